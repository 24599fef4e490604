#include "calculator/Medieninfo.h"

#include "formbase/FormRegistry.h"

TDLG_MedienInfo::TDLG_MedienInfo(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("DLG_MedienInfo"));
    FormCreate();
}

void TDLG_MedienInfo::FormCreate()
{
    TMultilingualForm::FormCreate();
}

TDLG_MedienInfo* DLG_MedienInfo()
{
    return TFormRegistry::Lookup<TDLG_MedienInfo>();
}
