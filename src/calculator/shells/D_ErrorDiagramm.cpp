#include "calculator/shells/D_ErrorDiagramm.h"

#include "calculator/FormRegistry.h"

TDLG_ErrorDiagram::TDLG_ErrorDiagram(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("DLG_ErrorDiagram"));
    FormCreate();
}

void TDLG_ErrorDiagram::FormCreate()
{
    TMultilingualForm::FormCreate();
}

TDLG_ErrorDiagram* DLG_ErrorDiagram()
{
    return TFormRegistry::Lookup<TDLG_ErrorDiagram>();
}
