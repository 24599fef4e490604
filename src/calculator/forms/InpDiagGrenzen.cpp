#include "calculator/forms/InpDiagGrenzen.h"

#include "components/CESpin.h"
#include "formbase/FormKit.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <limits>

namespace {
void SetUpBound(TCeSpinEdit* edit)
{
    edit->SetValueType(vtFloat);
    edit->SetDecimal(1);
    edit->SetIncrement(10);
}

// The edits hold long doubles: a bound beyond the range of double is taken as the largest
// double instead of becoming infinite.
double Clamped(const TCeSpinEdit* edit)
{
    constexpr long double Largest = std::numeric_limits<double>::max();
    return static_cast<double>(std::clamp(edit->CheckValue(edit->Value()), -Largest, Largest));
}
}  // namespace

TDLG_InputGrenzen::TDLG_InputGrenzen(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("DLG_InputGrenzen"));
    setWindowTitle(QStringLiteral("Temperaturbereich"));
    CreateBounds();
    CreateButtons();
    FormCreate();
}

void TDLG_InputGrenzen::FormCreate()
{
    TMultilingualForm::FormCreate();
}

void TDLG_InputGrenzen::CreateBounds()
{
    auto* layout = new QGridLayout(ClientArea());
    auto* lower = NewControl<QLabel>("LAB_Min", ClientArea(), QStringLiteral("Untere Grenze"));
    auto* upper = NewControl<QLabel>("LAB_Max", ClientArea(), QStringLiteral("Obere Grenze"));
    SetUpBound(CreateControl(SPN_MIN, "SPN_MIN", ClientArea()));
    SetUpBound(CreateControl(SPN_MAX, "SPN_MAX", ClientArea()));
    lower->setBuddy(SPN_MIN);
    upper->setBuddy(SPN_MAX);
    layout->addWidget(lower, 0, 0);
    layout->addWidget(SPN_MIN, 0, 1);
    layout->addWidget(NewControl<QLabel>("LAB_MinME", ClientArea(), QStringLiteral("°C")), 0, 2);
    layout->addWidget(upper, 1, 0);
    layout->addWidget(SPN_MAX, 1, 1);
    layout->addWidget(NewControl<QLabel>("LAB_MaxME", ClientArea(), QStringLiteral("°C")), 1, 2);
}

void TDLG_InputGrenzen::CreateButtons()
{
    CreateControl(BUT_Automatic, "BUT_Automatic", Panel_BUTTONS, QStringLiteral("Automatisch"));
    BUT_Automatic->setAutoDefault(false);
    static_cast<QBoxLayout*>(Panel_BUTTONS->layout())->insertWidget(1, BUT_Automatic);
    connect(BUT_Automatic, &QPushButton::clicked, this, [this] { done(ResetResult); });
    Panel_BUTTONS->show();
}

void TDLG_InputGrenzen::SetLower(double value)
{
    SPN_MIN->SetValue(value);
}

void TDLG_InputGrenzen::SetUpper(double value)
{
    SPN_MAX->SetValue(value);
}

double TDLG_InputGrenzen::GetLower() const
{
    return Clamped(SPN_MIN);
}

double TDLG_InputGrenzen::GetUpper() const
{
    return Clamped(SPN_MAX);
}
