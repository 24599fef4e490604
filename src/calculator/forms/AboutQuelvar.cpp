#include "calculator/forms/AboutQuelvar.h"

#include "components/CECtrls.h"
#include "formbase/DialogFactory.h"
#include "formbase/FormKit.h"
#include "formbase/ProgramIcon.h"
#include "transducer/OemVariant.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

namespace {
TAboutBox::TUrlOpener& UrlOpener()
{
    static TAboutBox::TUrlOpener opener;
    return opener;
}

struct TBrandTexts {
    const char* Copyright;
    const char* Disclaimer;
};

const TBrandTexts kOwnTexts{
    "Copyright © 2026 the Quelvar developers",
    "Quelvar plans a measuring point; it does not replace the check on site. All results are "
    "estimates for the given input and come without any warranty."};
const TBrandTexts kPartnerTexts{
    "VK_RT planning software, supplied by the VK_RT partner under licence",
    "The results serve the planning of VK_RT flowmeters only. They are estimates and come "
    "without any warranty; the meter's own documentation decides."};
}  // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Information"));
    CreateTexts();
    Panel_BUTTONS->show();
    BUT_Cancel->hide();
    FormCreate();
}

void TAboutBox::SetUrlOpener(TUrlOpener opener)
{
    UrlOpener() = std::move(opener);
}

void TAboutBox::CreateTexts()
{
    CreateControl(ProgramIcon, "ProgramIcon", ClientArea());
    ProgramIcon->setPixmap(::ProgramIcon().pixmap(32, 32));
    CreateControl(LAB_ProgName, "LAB_ProgName", ClientArea());
    QFont large = LAB_ProgName->font();
    large.setPixelSize(24);
    large.setBold(true);
    LAB_ProgName->setFont(large);
    LAB_ProgName->SetShadowSize(2);
    LAB_ProgName->SetShadowPos(spRightBottom);
    SetProgramName(QStringLiteral("Quelvar "));
    CreateControl(Version, "Version", ClientArea(), QStringLiteral("Version"));
    CreateControl(Copyright, "Copyright", ClientArea(), QString());
    CreateControl(LAB_Disclaimer, "LAB_Disclaimer", ClientArea(), QStringLiteral("Disclaimer:"));
    CreateControl(Disclaimer, "Disclaimer", ClientArea(), QString());
    Disclaimer->setWordWrap(true);
    Disclaimer->setMinimumWidth(320);
    CreateControl(LAB_wwwLAB, "LAB_wwwLAB", ClientArea(), QStringLiteral("Visit us:"));
    CreateControl(LabelWWW, "LabelWWW", ClientArea(), QStringLiteral("https://www.quelvar.example"));
    QPalette link = LabelWWW->palette();
    link.setColor(QPalette::WindowText, Qt::blue);
    LabelWWW->setPalette(link);
    LabelWWW->setCursor(Qt::PointingHandCursor);
    LabelWWW->installEventFilter(this);

    auto* layout = new QGridLayout(ClientArea());
    layout->addWidget(ProgramIcon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(LAB_ProgName, 0, 1);
    layout->addWidget(Version, 1, 1);
    layout->addWidget(Copyright, 2, 1);
    layout->addWidget(LAB_Disclaimer, 3, 1);
    layout->addWidget(Disclaimer, 4, 1);
    layout->addWidget(LAB_wwwLAB, 5, 1);
    layout->addWidget(LabelWWW, 6, 1);
}

void TAboutBox::SetProgramName(const QString& name)
{
    LAB_ProgName->SetCaption(name);
    // The label sizes itself to its caption; the layout keeps that size.
    LAB_ProgName->setMinimumSize(LAB_ProgName->size());
}

void TAboutBox::FormCreate()
{
    TMultilingualForm::FormCreate();
    Version->setText(QStringLiteral("Version 2.37"));
    const TBrandTexts& texts = IsOemVariant ? kPartnerTexts : kOwnTexts;
    Copyright->setText(QString::fromUtf8(texts.Copyright));
    Disclaimer->setText(QString::fromUtf8(texts.Disclaimer));
    LabelWWW->setVisible(!IsOemVariant);
    LAB_wwwLAB->setVisible(!IsOemVariant);
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == LabelWWW && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        LabelWWWClick();
        return true;
    }
    return TMultilingualForm::eventFilter(watched, event);
}

void TAboutBox::LabelWWWClick()
{
    const QUrl url(LabelWWW->text());
    if (UrlOpener())
        UrlOpener()(url);
    else
        QDesktopServices::openUrl(url);
}

void ShowAboutBox(QWidget* parent)
{
    const auto box = CreateDialog<TAboutBox>(parent);
    if (IsOemVariant)
        box->SetProgramName(QCoreApplication::applicationName());
    box->ShowDialog();
}
