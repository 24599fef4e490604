#include "calculator/D_NormVolume.h"

#include "formbase/FormRegistry.h"

TDLG_NormVolume::TDLG_NormVolume(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("DLG_NormVolume"));
    FormCreate();
}

void TDLG_NormVolume::FormCreate()
{
    TMultilingualForm::FormCreate();
}

TDLG_NormVolume* DLG_NormVolume()
{
    return TFormRegistry::Lookup<TDLG_NormVolume>();
}
