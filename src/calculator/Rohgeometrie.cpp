#include "calculator/Rohgeometrie.h"

#include "formbase/FormRegistry.h"

TDLG_Rohrgeometrie::TDLG_Rohrgeometrie(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("DLG_Rohrgeometrie"));
    FormCreate();
}

void TDLG_Rohrgeometrie::FormCreate()
{
    TMultilingualForm::FormCreate();
}

TDLG_Rohrgeometrie* DLG_Rohrgeometrie()
{
    return TFormRegistry::Lookup<TDLG_Rohrgeometrie>();
}
