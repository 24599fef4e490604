#include "calculator/forms/KoeffInfo.h"

#include "calculator/core/CoeffLines.h"
#include "formbase/FormKit.h"
#include "formbase/ProgramIcon.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TDLG_Koeffs::TDLG_Koeffs(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DLG_Koeffs"));
    setWindowTitle(QStringLiteral("Koeffizienten"));
    // Not a base form, so the program icon is set here.
    setWindowIcon(ProgramIcon());
    CreateControl(Memo1, "Memo1", this);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setTabStopDistance(48);
    CreateControl(BUT_OK, "BUT_OK", this, QStringLiteral("OK"));
    BUT_OK->setDefault(true);
    connect(BUT_OK, &QPushButton::clicked, this, [this] { done(1); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memo1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BUT_OK);
    layout->addLayout(buttons);
}

void TDLG_Koeffs::ShowCoefficients(const tCoeffSet& set)
{
    coefficients_ = set;
    Memo1->clear();
    for (const QString& line : CoefficientLines(coefficients_))
        Memo1->appendPlainText(line);
}
