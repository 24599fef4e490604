#include "calculator/forms/InpDruck.h"

#include "components/CESpin.h"
#include "formbase/FormKit.h"

#include <QHBoxLayout>
#include <QLabel>

TDLG_InpDruck::TDLG_InpDruck(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("DLG_InpDruck"));
    setWindowTitle(QStringLiteral("Fluiddruck"));
    CreatePressure();
    Panel_BUTTONS->show();
    FormCreate();
}

void TDLG_InpDruck::FormCreate()
{
    TMultilingualForm::FormCreate();
}

void TDLG_InpDruck::CreatePressure()
{
    auto* caption = NewControl<QLabel>("LAB_Druck", ClientArea(), QStringLiteral("Druck des Mediums:"));
    CreateControl(INP_DRUCK, "INP_DRUCK", ClientArea());
    INP_DRUCK->SetValueType(vtFloat);
    INP_DRUCK->SetDecimal(0);
    INP_DRUCK->SetIncrement(10);
    INP_DRUCK->SetMinValue(0.1L);
    INP_DRUCK->SetMaxValue(1000);
    INP_DRUCK->SetValue(1);
    caption->setBuddy(INP_DRUCK);
    auto* layout = new QHBoxLayout(ClientArea());
    layout->addWidget(caption);
    layout->addWidget(INP_DRUCK);
    layout->addWidget(NewControl<QLabel>("LAB_DruckME", ClientArea(), QStringLiteral("bar")));
}

void TDLG_InpDruck::SetPressure(double bar)
{
    INP_DRUCK->SetValue(bar);
}

double TDLG_InpDruck::GetPressure() const
{
    return static_cast<double>(INP_DRUCK->CheckValue(INP_DRUCK->Value()));
}
