#include "components/CESpin.h"

#include "platform/FocusRules.h"
#include "platform/MessageBeep.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QStyle>

TCeSpinEdit::TCeSpinEdit(QWidget* parent) : QLineEdit(parent)
{
    setText(QStringLiteral("0"));
    // A spin edit takes no dropped text: a drop would bypass the key filter.
    setAcceptDrops(false);
    connect(this, &QLineEdit::textChanged, this, &TCeSpinEdit::TextChanged);
    setMinimumHeight(MinHeight());
    RecreateButton();
    ResizeButton();
}

TCeSpinEdit::~TCeSpinEdit()
{
    // Tearing down the children must not notify anybody.
    changing_ = true;
}

long double TCeSpinEdit::Value() const
{
    return SpinTextValue(text(), format_);
}

void TCeSpinEdit::SetValue(long double value)
{
    setText(FormatSpinValue(value, format_));
}

std::int32_t TCeSpinEdit::AsInteger() const
{
    return TruncToInt32(Value());
}

void TCeSpinEdit::SetAsInteger(std::int32_t value)
{
    SetValue(value);
}

long double TCeSpinEdit::CheckValue(long double value) const
{
    return CheckSpinValue(value, format_.MinValue, format_.MaxValue);
}

void TCeSpinEdit::SetDecimal(int decimals)
{
    if (decimals == format_.Decimal)
        return;
    format_.Decimal = decimals;
    SetValue(Value());
}

void TCeSpinEdit::SetValueType(TValueType type)
{
    if (type == format_.ValueType)
        return;
    format_.ValueType = type;
    SetValue(Value());
    if (type == vtInteger || type == vtHex)
        increment_ = IntegerIncrement(increment_);
}

void TCeSpinEdit::SetArrowKeys(bool enabled)
{
    arrowKeys_ = enabled;
    ResizeButton();
}

void TCeSpinEdit::SetButtonKind(TSpinButtonKind kind)
{
    if (kind == buttonKind_)
        return;
    buttonKind_ = kind;
    RecreateButton();
    ResizeButton();
}

void TCeSpinEdit::SetAlignment(Qt::Alignment alignment)
{
    if (alignment != this->alignment())
        setAlignment(alignment);
}

int TCeSpinEdit::MinHeight() const
{
    return fontMetrics().height() + 4 * 1 + 1;
}

bool TCeSpinEdit::IsValidChar(QChar key) const
{
    return IsValidSpinChar(key, text(), format_.ValueType, editorEnabled_);
}

void TCeSpinEdit::UpClick()
{
    Step(increment_, true);
}

void TCeSpinEdit::DownClick()
{
    Step(-increment_, false);
}

void TCeSpinEdit::Step(long double delta, bool up)
{
    if (isReadOnly()) {
        MessageBeep(0);
        return;
    }
    changing_ = true;
    const QString before = text();
    SetValue(Value() + delta);
    changing_ = false;
    const QString after = text();
    QPointer<TCeSpinEdit> self(this);
    if (before.compare(after, Qt::CaseInsensitive) != 0) {
        setModified(true);
        emit OnChange();
        if (!self)
            return;
    }
    if (up)
        emit OnTopClick();
    else
        emit OnBottomClick();
}

void TCeSpinEdit::TextChanged()
{
    // The line edit reports real changes only (also after writes made while its signals
    // were blocked), so a handler that writes Value back cannot recurse.
    if (!changing_)
        emit OnChange();
}

void TCeSpinEdit::InsertChecked(const QString& inserted)
{
    if (!EditingAllowed())
        return;
    const bool hasSelection = hasSelectedText();
    const qsizetype start = hasSelection ? selectionStart() : cursorPosition();
    const qsizetype length = hasSelection ? selectedText().size() : 0;
    if (!IsValidSpinPaste(text(), start, length, inserted, format_.ValueType)) {
        MessageBeep(0);
        return;
    }
    insert(inserted);
}

void TCeSpinEdit::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (arrowKeys_ && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        if (key == Qt::Key_Up)
            UpClick();
        else
            DownClick();
        event->accept();
        return;
    }
    // Cut and paste are ignored, not refused with a beep, when editing is not allowed.
    if (event->matches(QKeySequence::Paste)) {
        InsertChecked(QGuiApplication::clipboard()->text());
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        if (EditingAllowed())
            cut();
        event->accept();
        return;
    }
    if (!editorEnabled_
        && (event->matches(QKeySequence::DeleteEndOfLine) || event->matches(QKeySequence::DeleteCompleteLine)
            || event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo))) {
        event->accept();
        return;
    }

    // The character the key types, as the filter sees it.
    std::optional<QChar> typed;
    if (key == Qt::Key_Backspace)
        typed = QChar(8);
    else if (key == Qt::Key_Return || key == Qt::Key_Enter)
        typed = QChar(13);
    else if (key == Qt::Key_Escape)
        typed = QChar(27);
    else if (key != Qt::Key_Delete && !event->text().isEmpty())
        typed = event->text().at(0);
    // The Delete key edits like backspace: refused while the editor is disabled.
    const bool refusedDelete = key == Qt::Key_Delete && !editorEnabled_;
    if (refusedDelete || (typed && !IsValidChar(*typed))) {
        MessageBeep(0);
        event->accept();
        return;
    }
    // Enter and Escape are ignored by the line edit and so reach the dialog's default and
    // cancel buttons.
    QLineEdit::keyPressEvent(event);
}

void TCeSpinEdit::inputMethodEvent(QInputMethodEvent* event)
{
    const QString commit = event->commitString();
    if (!commit.isEmpty()) {
        const bool hasSelection = hasSelectedText();
        const qsizetype start = hasSelection ? selectionStart() : cursorPosition();
        const qsizetype length = hasSelection ? selectedText().size() : 0;
        if (!EditingAllowed() || !IsValidSpinPaste(text(), start, length, commit, format_.ValueType)) {
            MessageBeep(0);
            event->accept();
            return;
        }
    }
    QLineEdit::inputMethodEvent(event);
}

void TCeSpinEdit::contextMenuEvent(QContextMenuEvent* event)
{
    // The line edit's own menu pastes past the key filter, so the edit builds the same menu
    // with its editing commands guarded.
    const bool allowed = EditingAllowed();
    const bool selection = hasSelectedText() && echoMode() == QLineEdit::Normal;
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    auto add = [&](const char* name, const char* text, QKeySequence::StandardKey key, bool enabled, auto slot) {
        QString caption = QCoreApplication::translate("QLineEdit", text);
        const QString shortcut = QKeySequence(key).toString(QKeySequence::NativeText);
        if (!shortcut.isEmpty())
            caption += QLatin1Char('\t') + shortcut;
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, slot);
    };
    add("edit-undo", "&Undo", QKeySequence::Undo, allowed && isUndoAvailable(), [this] { undo(); });
    add("edit-redo", "&Redo", QKeySequence::Redo, allowed && isRedoAvailable(), [this] { redo(); });
    menu->addSeparator();
    add("edit-cut", "Cu&t", QKeySequence::Cut, allowed && selection, [this] { cut(); });
    add("edit-copy", "&Copy", QKeySequence::Copy, selection, [this] { copy(); });
    add("edit-paste", "&Paste", QKeySequence::Paste, allowed && !QGuiApplication::clipboard()->text().isEmpty(),
        [this] { InsertChecked(QGuiApplication::clipboard()->text()); });
    add("edit-delete", "Delete", QKeySequence::UnknownKey, allowed && hasSelectedText(), [this] { del(); });
    menu->addSeparator();
    add("select-all", "Select All", QKeySequence::SelectAll, !text().isEmpty() && selectedText() != text(),
        [this] { selectAll(); });
    menu->popup(event->globalPos());
}

void TCeSpinEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button pastes the selection on some platforms.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        InsertChecked(QGuiApplication::clipboard()->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TCeSpinEdit::dragEnterEvent(QDragEnterEvent* event)
{
    event->ignore();
}

void TCeSpinEdit::dropEvent(QDropEvent* event)
{
    event->ignore();
}

void TCeSpinEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Coming back to the window (or from a popup) is no new enter; a window that has just
    // been shown hands the focus with the same reason, and that is one.
    if (!IsUserFocusReason(event->reason()) && entered_)
        return;
    entered_ = true;
    if (autoSelect_ && !(QGuiApplication::mouseButtons() & Qt::LeftButton))
        selectAll();
    else if (!autoSelect_
             && (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason
                 || event->reason() == Qt::ShortcutFocusReason))
        deselect();  // the line edit itself selects on these
}

void TCeSpinEdit::hideEvent(QHideEvent* event)
{
    entered_ = false;
    QLineEdit::hideEvent(event);
}

void TCeSpinEdit::focusOutEvent(QFocusEvent* event)
{
    if (IsUserFocusReason(event->reason())) {
        entered_ = false;
        // Rewrite before the line edit reports the end of editing, so the field shows what
        // is computed with.
        const auto parsed = ParseSpinText(text(), format_.ValueType);
        if (!parsed) {
            SetValue(Value());
            MessageBeep(0);
        } else if (CheckValue(*parsed) != *parsed) {
            SetValue(*parsed);
        }
    }
    QLineEdit::focusOutEvent(event);
}

void TCeSpinEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    ResizeButton();
}

void TCeSpinEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
        setMinimumHeight(MinHeight());
        ResizeButton();
        break;
    case QEvent::LayoutDirectionChange:
    case QEvent::StyleChange:
    case QEvent::EnabledChange:
        ResizeButton();
        break;
    default:
        break;
    }
}

void TCeSpinEdit::RecreateButton()
{
    delete upDown_;
    delete button_;
    delete buttonWindow_;
    if (buttonKind_ == bkStandard) {
        upDown_ = new TCeUpDown(this);
        upDown_->setObjectName(QStringLiteral("UpDown"));
        upDown_->setCursor(Qt::ArrowCursor);
        connect(upDown_, &TCeUpDown::OnClick, this, [this](TCeUpDown::TUDBtnType button) {
            if (focusPolicy() != Qt::NoFocus && isEnabled() && !hasFocus())
                setFocus(Qt::MouseFocusReason);
            if (button == TCeUpDown::btNext)
                UpClick();
            else
                DownClick();
        });
        upDown_->show();
    } else {
        buttonWindow_ = new QWidget(this);
        buttonWindow_->setObjectName(QStringLiteral("ButtonWindow"));
        buttonWindow_->setCursor(Qt::ArrowCursor);
        button_ = new TCeSpinButton(buttonWindow_);
        button_->setObjectName(QStringLiteral("Button"));
        button_->SetFocusControl(this);
        connect(button_, &TCeSpinButton::OnTopClick, this, &TCeSpinEdit::UpClick);
        connect(button_, &TCeSpinButton::OnBottomClick, this, &TCeSpinEdit::DownClick);
        buttonWindow_->show();
    }
}

int TCeSpinEdit::ButtonWidth() const
{
    if (upDown_)
        return upDown_->width();
    if (button_)
        return button_->width();
    return TCeUpDown::DefaultButtonWidth(this);
}

void TCeSpinEdit::ResizeButton()
{
    const bool rtl = isRightToLeft();
    if (upDown_) {
        const int frame = hasFrame() ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) : 0;
        const int w = TCeUpDown::DefaultButtonWidth(this);
        upDown_->setGeometry(rtl ? frame : width() - w - frame, frame, w, height() - 2 * frame);
    } else if (buttonWindow_ && button_) {
        const QRect r = SpinButtonWindowRect(size(), hasFrame(), rtl);
        buttonWindow_->setGeometry(r);
        button_->setGeometry(0, 0, r.width(), r.height());
    }
    const int bw = ButtonWidth();
    if (rtl)
        setTextMargins(bw + 1, 0, 1, 0);
    else
        setTextMargins(0, 0, bw + 2, 0);
}
