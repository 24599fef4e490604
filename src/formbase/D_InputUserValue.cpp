#include "formbase/D_InputUserValue.h"

#include "formbase/FormRegistry.h"
#include "components/CESpin.h"

#include <QHBoxLayout>
#include <QLabel>

TDLG_InputUserValue::TDLG_InputUserValue(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("DLG_InputUserValue"));
    setWindowTitle(QStringLiteral("Bitte eingeben..."));
    LAB_Property = new QLabel(QStringLiteral("Schallgeschwindigkeit"), ClientArea());
    LAB_Property->setObjectName(QStringLiteral("LAB_Property"));
    ED_Value = new TCeSpinEdit(ClientArea());
    ED_Value->setObjectName(QStringLiteral("ED_Value"));
    ED_Value->SetValueType(vtFloat);
    ED_Value->SetDecimal(1);
    ED_Value->SetIncrement(10);
    ED_Value->SetMinValue(200);
    ED_Value->SetMaxValue(6500);
    ED_Value->SetValue(600);
    LAB_Unit = new QLabel(QStringLiteral("m/s"), ClientArea());
    LAB_Unit->setObjectName(QStringLiteral("LAB_Unit"));
    LAB_Property->setBuddy(ED_Value);

    auto* layout = new QHBoxLayout(ClientArea());
    layout->addWidget(LAB_Property);
    layout->addWidget(ED_Value);
    layout->addWidget(LAB_Unit);
    Panel_BUTTONS->show();
    FormCreate();
}

void TDLG_InputUserValue::FormCreate()
{
    TMultilingualForm::FormCreate();
}

double TDLG_InputUserValue::GetValue() const
{
    return static_cast<double>(ED_Value->CheckValue(ED_Value->Value()));
}

void TDLG_InputUserValue::SetValue(double value)
{
    ED_Value->SetValue(value);
}

TDLG_InputUserValue* DLG_InputUserValue()
{
    return TFormRegistry::Lookup<TDLG_InputUserValue>();
}
