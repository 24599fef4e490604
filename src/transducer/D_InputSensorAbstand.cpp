#include "transducer/D_InputSensorAbstand.h"

#include "components/CESpin.h"
#include "formbase/DialogFactory.h"
#include "formbase/FormKit.h"
#include "platform/MessageBeep.h"
#include "platform/NumberParse.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>

#include <cmath>

TDLG_InputSensorAbstand::TDLG_InputSensorAbstand(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("DLG_InputSensorAbstand"));
    setWindowTitle(QStringLiteral("Sensor-Abstand"));
    FormCreate();
    CreateEntry();
    Panel_BUTTONS->show();
}

void TDLG_InputSensorAbstand::CreateEntry()
{
    auto* bevel = new QFrame(ClientArea());
    bevel->setFrameShape(QFrame::Box);
    bevel->setFrameShadow(QFrame::Sunken);
    CreateControl(Label2, "Label2", bevel, QStringLiteral("Sensor-Abstand ist fixiert bei:"));
    CreateControl(EDI_SAbstand, "EDI_SAbstand", bevel);
    CreateControl(LAB_ME, "LAB_ME", bevel, QString());
    QFont bold = font();  // the form's Arial 13 px, bold
    bold.setBold(true);
    for (QWidget* w : std::initializer_list<QWidget*>{Label2, EDI_SAbstand})
        w->setFont(bold);
    EDI_SAbstand->SetValueType(vtFloat);
    EDI_SAbstand->SetIncrement(10);
    EDI_SAbstand->SetMinValue(0);
    EDI_SAbstand->SetMaxValue(0);
    EDI_SAbstand->SetAlignment(Qt::AlignRight);
    connect(EDI_SAbstand, &QLineEdit::textEdited, this, [this] { SetMarked(false); });
    auto* grid = new QGridLayout(bevel);
    grid->addWidget(Label2, 0, 0, 1, 2);
    grid->addWidget(EDI_SAbstand, 1, 0);
    grid->addWidget(LAB_ME, 1, 1);
    (new QVBoxLayout(ClientArea()))->addWidget(bevel);
}

void TDLG_InputSensorAbstand::LoadFixSpacing(const QString& unitName, int digits, double value, double factor)
{
    factor_ = factor > 0.0 && std::isfinite(factor) ? factor : 1.0;
    EDI_SAbstand->SetDecimal(digits);
    EDI_SAbstand->SetValue(value * factor_);
    LAB_ME->setText(unitName);
    SetMarked(false);
    EDI_SAbstand->setFocus(Qt::OtherFocusReason);
}

bool TDLG_InputSensorAbstand::ExecuteFixSpacing(const QString& unitName, int digits, double value, double factor)
{
    LoadFixSpacing(unitName, digits, value, factor);
    return ShowDialog() == 1;
}

double TDLG_InputSensorAbstand::GetFixedSpacing() const
{
    return static_cast<double>(EDI_SAbstand->Value()) / factor_;
}

void TDLG_InputSensorAbstand::done(int result)
{
    double value = 0.0;
    if (result == 1
        && !(TryStrToFloat(EDI_SAbstand->text().trimmed(), value) && std::isfinite(value / factor_))) {
        // A text that is no number would silently become 0, one beyond the largest length
        // in mm infinite: keep the dialog open instead.
        SetMarked(true);
        MessageBeep();
        EDI_SAbstand->setFocus(Qt::OtherFocusReason);
        EDI_SAbstand->selectAll();
        return;
    }
    TMultilingualForm::done(result);
}

void TDLG_InputSensorAbstand::SetMarked(bool marked)
{
    marked_ = marked;
    QPalette palette = EDI_SAbstand->palette();
    palette.setColor(QPalette::Base, marked ? QColor(255, 200, 200) : QColor(Qt::white));
    EDI_SAbstand->setPalette(palette);
}

std::optional<double> EnterFixedSpacing(QWidget* parent, const QString& unitName, int digits, double value,
                                        double factor)
{
    auto dialog = CreateDialog<TDLG_InputSensorAbstand>(parent);
    if (!dialog->ExecuteFixSpacing(unitName, digits, value, factor))
        return std::nullopt;
    return dialog->GetFixedSpacing();
}
