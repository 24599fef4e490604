#include "calculator/NamensListe.h"

#include "formbase/FormRegistry.h"

TDLG_Namensliste::TDLG_Namensliste(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("DLG_Namensliste"));
    FormCreate();
}

void TDLG_Namensliste::FormCreate()
{
    TMultilingualForm::FormCreate();
}

TDLG_Namensliste* DLG_Namensliste()
{
    return TFormRegistry::Lookup<TDLG_Namensliste>();
}
