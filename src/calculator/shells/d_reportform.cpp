#include "calculator/shells/d_reportform.h"

#include "calculator/FormRegistry.h"

TDLG_reportform::TDLG_reportform(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("DLG_reportform"));
    FormCreate();
}

void TDLG_reportform::FormCreate()
{
    TMultilingualForm::FormCreate();
}

TDLG_reportform* DLG_reportform()
{
    return TFormRegistry::Lookup<TDLG_reportform>();
}
