#include "calculator/shells/D_SensorAbstand.h"

#include "calculator/FormRegistry.h"

TDLG_SensorAbstand::TDLG_SensorAbstand(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("DLG_SensorAbstand"));
    FormCreate();
}

void TDLG_SensorAbstand::FormCreate()
{
    TMultilingualForm::FormCreate();
}

TDLG_SensorAbstand* DLG_SensorAbstand()
{
    return TFormRegistry::Lookup<TDLG_SensorAbstand>();
}
