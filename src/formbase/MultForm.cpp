#include "formbase/MultForm.h"

#include "formbase/FormRegistry.h"
#include "formbase/FramePlacement.h"
#include "formbase/ProgramIcon.h"
#include "formbase/TranslatorHook.h"
#include "translation/MlDictionary.h"
#include "translation/MlTranslator.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QTextEdit>
#include <QVBoxLayout>

#include <vector>

namespace {
const QString kCrLf = QStringLiteral("\r\n");
const QString kEncodedBreak = QStringLiteral("#C#L");

// Qt controls hold LF; the dictionary's texts hold CR LF.
QString ToCrLf(QString text)
{
    text.replace(kCrLf, QStringLiteral("\n"));
    return text.replace(QLatin1Char('\n'), kCrLf);
}

QString ToLf(QString text) { return text.replace(kCrLf, QStringLiteral("\n")); }

// The OK or Cancel glyph of a bitmap button: the style's, or where the style has none a
// green tick or a red cross of our own.
QIcon ButtonGlyph(const QStyle& style, QStyle::StandardPixmap which)
{
    QIcon icon = style.standardIcon(which);
    if (!icon.isNull())
        return icon;
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    if (which == QStyle::SP_DialogOkButton) {
        painter.setPen(QPen(QColor(0, 128, 0), 2.5));
        painter.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}));
    } else {
        painter.setPen(QPen(QColor(192, 0, 0), 2.5));
        painter.drawLine(QPointF(4, 4), QPointF(12, 12));
        painter.drawLine(QPointF(12, 4), QPointF(4, 12));
    }
    painter.end();
    return QIcon(pixmap);
}

QMargins MarginsOf(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}
}  // namespace

TMultilingualForm::TMultilingualForm(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setMinimumWidth(260);
    setWindowIcon(ProgramIcon());
    // Designed in Arial, 13 pixels high; where Arial is missing the font system substitutes
    // a metric-compatible face.
    QFont designFont(QStringLiteral("Arial"));
    designFont.setPixelSize(13);
    setFont(designFont);

    Translator = new TMlTranslator(this);
    Translator->OnTranslate = [this](TMlTranslator* translator, const QString& property, QObject* component) {
        TranslatorTranslate(translator, property, component);
    };
    Translator->OnLanguageChange = [this] { LanguageChanged(); };
    Translator->OnLocaleChange = [this] { LanguageChanged(); };

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);  // single fixed border
    clientArea_ = new QWidget(this);
    layout->addWidget(clientArea_);

    Panel_BUTTONS = new QWidget(this);
    Panel_BUTTONS->setObjectName(QStringLiteral("Panel_BUTTONS"));
    Panel_BUTTONS->setFixedHeight(41);
    auto* buttons = new QHBoxLayout(Panel_BUTTONS);
    buttons->addStretch();
    BUT_OK = new QPushButton(QStringLiteral("OK"), Panel_BUTTONS);
    BUT_OK->setObjectName(QStringLiteral("BUT_OK"));
    BUT_OK->setDefault(true);  // Enter means OK while the panel is shown
    BUT_OK->setIcon(ButtonGlyph(*style(), QStyle::SP_DialogOkButton));
    BUT_Cancel = new QPushButton(QStringLiteral("Abbrechen"), Panel_BUTTONS);
    BUT_Cancel->setObjectName(QStringLiteral("BUT_Cancel"));
    BUT_Cancel->setIcon(ButtonGlyph(*style(), QStyle::SP_DialogCancelButton));
    buttons->addWidget(BUT_OK);
    buttons->addWidget(BUT_Cancel);
    connect(BUT_OK, &QPushButton::clicked, this, [this] { done(1); });
    connect(BUT_Cancel, &QPushButton::clicked, this, [this] { done(2); });
    layout->addWidget(Panel_BUTTONS);
    Panel_BUTTONS->hide();
}

TMultilingualForm::~TMultilingualForm() = default;

void TMultilingualForm::showEvent(QShowEvent* event)
{
    // Placed at every show that no one placed it for (QDialog centres it over its parent).
    // The position is the frame's: before the window system has framed a new window, a
    // plain move would put its client area there and the title bar above the screen.
    const bool place = !event->spontaneous() && !testAttribute(Qt::WA_Moved);
    QDialog::showEvent(event);
    const QWidget* reference = parentWidget() ? parentWidget()->window() : this;
    QScreen* screen = reference->screen() ? reference->screen() : QGuiApplication::primaryScreen();
    if (!place || !screen || !isWindow())
        return;
    const QMargins margins = FrameMargins();
    const QPoint frameTopLeft = CentredFrame(size().grownBy(margins), screen->availableGeometry());
    // move() adds the margins Qt knows of: none before the window is framed.
    move(ClientTopLeft(frameTopLeft, margins) - (geometry().topLeft() - pos()));
    setAttribute(Qt::WA_Moved, false);
}

QMargins TMultilingualForm::FrameMargins() const
{
    const QMargins own = MarginsOf(*this);
    if (!own.isNull())
        return own;
    std::vector<const QWidget*> framed;
    if (parentWidget())
        framed.push_back(parentWidget()->window());
    for (const QWidget* widget : QApplication::topLevelWidgets())
        framed.push_back(widget);
    for (const QWidget* window : framed) {
        if (window != this && window->isVisible() && !window->isMinimized()) {
            const QMargins margins = MarginsOf(*window);
            if (!margins.isNull())
                return margins;
        }
    }
    // Nothing framed yet: at least the title bar's height above the client area.
    return {0, style()->pixelMetric(QStyle::PM_TitleBarHeight), 0, 0};
}

void TMultilingualForm::FormCreate()
{
}

QString TMultilingualForm::TranslateString(const QString& text) const
{
    if (!Translator)
        return text;
    return Translator->Translate(text);
}

int TMultilingualForm::ShowDialog()
{
    return exec();
}

void TMultilingualForm::ShareDictionary(TMlDictionary* dictionary)
{
    SetFormsDictionary(dictionary);
    if (const TFormRegistry* registry = TFormRegistry::Instance()) {
        for (TMultilingualForm* form : registry->Forms())
            TranslateForm(*form);
    }
}

void TMultilingualForm::SetLanguage(int index)
{
    if (TMlDictionary* dictionary = Translator ? Translator->Dictionary() : nullptr)
        dictionary->SetLanguage(index);
}

void TMultilingualForm::SetLanguageById(int primaryId)
{
    TMlDictionary* dictionary = Translator ? Translator->Dictionary() : nullptr;
    if (!dictionary)
        return;
    // Index 0, the native language, is not searched.
    for (int i = 1; i < dictionary->LanguageCount(); ++i) {
        if (dictionary->PrimaryLanguageId(i) == primaryId) {
            dictionary->SetLanguage(i);
            return;
        }
    }
}

int TMultilingualForm::CurrentLanguageId() const
{
    const TMlDictionary* dictionary = Translator ? Translator->Dictionary() : nullptr;
    return dictionary ? dictionary->CurrentLanguage().PrimaryId : 0;
}

bool TMultilingualForm::EncodeLineBreaks(QString& text)
{
    if (!text.contains(kCrLf))
        return false;
    text.replace(kCrLf, kEncodedBreak);
    return true;
}

QString TMultilingualForm::DecodeLineBreaks(const QString& text)
{
    QString result = text;
    return result.replace(kEncodedBreak, kCrLf);
}

QString TMultilingualForm::TranslateMultiLine(const QString& text) const
{
    QString encoded = text;
    if (!EncodeLineBreaks(encoded))
        return text;
    // The dictionary reads its "#C#L" escapes as line breaks, so its entries hold the text
    // itself; older data kept the escapes literally.
    QString translation;
    if (Translator && Translator->Find(text, translation))
        return translation;
    return DecodeLineBreaks(TranslateString(encoded));
}

void TMultilingualForm::TranslatorTranslate(TMlTranslator* translator, const QString&, QObject* component)
{
    // The translator's walk has translated captions and memo texts from their natives; this
    // event serves only texts whose entry holds the line breaks as literal "#C#L". A text
    // is written back only when its translation differs (a memo would lose its cursor).
    if (!translator)
        return;
    auto translated = [translator](const QString& text, QString& result) {
        QString encoded = ToCrLf(text);
        if (!EncodeLineBreaks(encoded) || !translator->Find(encoded, result))
            return false;
        result = ToLf(DecodeLineBreaks(result));
        return result != text;
    };
    QString result;
    if (auto* label = qobject_cast<QLabel*>(component)) {
        if (translated(label->text(), result))
            label->setText(result);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(component)) {
        if (translated(memo->toPlainText(), result))
            memo->setPlainText(result);
    } else if (auto* memo2 = qobject_cast<QTextEdit*>(component)) {
        if (translated(memo2->toPlainText(), result))
            memo2->setPlainText(result);
    }
}
