#include "grids/InplaceEdit.h"

#include "grids/CustomGrid.h"
#include "grids/GridPlatform.h"
#include "platform/MessageBeep.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>
#include <limits>

namespace {
bool IsPrintable(QChar ch)
{
    return ch.unicode() >= 32 && ch.unicode() != 127;
}
}  // namespace

TInplaceEdit::TInplaceEdit(TMyCustomGrid* grid) : QLineEdit(grid->viewport()), grid_(grid)
{
    setFrame(false);
    setFocusPolicy(Qt::ClickFocus);
    // The text sits where the grid draws it in the cell (2 pixels in from the left and the
    // top); the line edit adds its own margins of 2 pixels across and 1 down.
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextMargins(0, 1, 0, 0);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    QWidget::hide();
    // Only the user's edits go back into the cell; loading a cell never writes it.
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (grid_ != nullptr)
            grid_->EditorTextEdited(text);
    });
}

bool TInplaceEdit::EditCanModify() const
{
    return grid_ != nullptr && grid_->CanEditModify();
}

void TInplaceEdit::UpdateContents()
{
    clear();
    if (grid_ == nullptr)
        return;
    const QSignalBlocker blocker(this);
    setInputMask(grid_->GetEditMask(grid_->Col(), grid_->Row()));
    const QString text = grid_->GetEditText(grid_->Col(), grid_->Row());
    editLimit_ = grid_->GetEditLimit();
    // The limit stops typing; it never cuts off a longer text the cell already holds.
    const qsizetype limit = editLimit_ > 0 ? editLimit_ : 32767;
    setMaxLength(static_cast<int>(std::min<qsizetype>(std::max(limit, text.size()), std::numeric_limits<int>::max())));
    setText(text);
}

void TInplaceEdit::Move(const QRect& rect)
{
    if (rect.isEmpty()) {
        Hide();
        return;
    }
    const bool wasHidden = isHidden();
    setGeometry(rect);
    if (wasHidden)
        show();
    update();
    const QWidget* top = grid_ != nullptr ? grid_->window() : nullptr;
    if (top != nullptr && top->focusWidget() == grid_)
        setFocus(Qt::OtherFocusReason);
}

void TInplaceEdit::Hide()
{
    if (isHidden())
        return;
    const QWidget* top = window();
    if (grid_ != nullptr && top != nullptr && top->focusWidget() == this)
        grid_->setFocus(Qt::OtherFocusReason);
    if (grid_ != nullptr)
        grid_->viewport()->update(geometry());
    QWidget::hide();
}

void TInplaceEdit::Invalidate()
{
    update();
    if (grid_ != nullptr)
        grid_->viewport()->update(geometry());
}

void TInplaceEdit::Deselect()
{
    deselect();
    setCursorPosition(text().length());
}

void TInplaceEdit::HandleKeyDown(QKeyEvent* e, bool& consumed)
{
    int key = e->key() == Qt::Key_Backtab ? int(Qt::Key_Tab) : e->key();
    TShiftState shift = ShiftStateOf(e->modifiers());
    if (e->key() == Qt::Key_Backtab)
        shift |= ssShift;
    const bool noModifiers = !(shift & (ssShift | ssCtrl | ssAlt));
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Escape:
        grid_->KeyDown(key, shift);
        consumed = true;
        return;
    case Qt::Key_Tab:
        if (!(shift & ssAlt)) {
            grid_->KeyDown(key, shift);
            consumed = true;
            return;
        }
        break;
    case Qt::Key_Insert:
        if (noModifiers) {
            grid_->KeyDown(key, shift);
            consumed = true;
            return;
        }
        if (shift == TShiftState(ssShift) && !EditCanModify()) {
            consumed = true;
            return;
        }
        break;
    case Qt::Key_F2:
        if (grid_->OnKeyDown)
            grid_->OnKeyDown(grid_, key, shift);
        if (key == Qt::Key_F2) {
            Deselect();
            consumed = true;
            return;
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        // The caret keys never move to another cell, also at either end of the text; like
        // any other key they reach the grid's key handler and then the edit.
        break;
    case Qt::Key_Delete:
        if (!EditCanModify()) {
            consumed = true;
            return;
        }
        break;
    default: break;
    }
    if (e->matches(QKeySequence::Paste) || e->matches(QKeySequence::Cut)) {
        if (!EditCanModify()) {
            consumed = true;
            return;
        }
    }
    if (grid_->OnKeyDown)
        grid_->OnKeyDown(grid_, key, shift);
    if (key == 0)
        consumed = true;
}

void TInplaceEdit::HandleKeyPress(QKeyEvent* e, bool& consumed)
{
    const QString text = e->text();
    if (text.isEmpty())
        return;
    QChar ch = text.at(0);
    grid_->KeyPress(ch);
    if (ch.isNull()) {
        consumed = true;
        return;
    }
    if (IsPrintable(ch) && !grid_->CanEditAcceptKey(ch)) {
        MessageBeep(0);
        consumed = true;
        return;
    }
    if (ch == QLatin1Char('\t') || ch == QChar(0x1B)) {
        consumed = true;
        return;
    }
    if (ch == QLatin1Char('\r')) {
        if (selectionStart() == 0 && selectedText().length() == this->text().length())
            Deselect();
        else
            selectAll();
        consumed = true;
        return;
    }
    const bool editing = ch == QLatin1Char('\b') || ch == QChar(0x16) || ch == QChar(0x18) || IsPrintable(ch);
    if (editing && !EditCanModify())
        consumed = true;
}

void TInplaceEdit::keyPressEvent(QKeyEvent* e)
{
    if (grid_ == nullptr) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    bool consumed = false;
    HandleKeyDown(e, consumed);
    if (!consumed)
        HandleKeyPress(e, consumed);
    if (consumed) {
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void TInplaceEdit::TypeCharacter(QKeyEvent* e)
{
    bool consumed = false;
    if (grid_ != nullptr)
        HandleKeyPress(e, consumed);
    if (!consumed)
        QLineEdit::keyPressEvent(e);
}

void TInplaceEdit::keyReleaseEvent(QKeyEvent* e)
{
    if (grid_ == nullptr) {
        QLineEdit::keyReleaseEvent(e);
        return;
    }
    int key = e->key();
    grid_->KeyUp(key, ShiftStateOf(e->modifiers()));
    e->accept();
}

bool TInplaceEdit::event(QEvent* e)
{
    if (grid_ != nullptr && !grid_->Enabled()) {
        switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            // The grid is disabled by its update bracket: so is its editor.
            e->accept();
            return true;
        default: break;
        }
    }
    if (grid_ != nullptr && e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        // With goTabs, Tab is the grid's: it moves to the next cell instead of the next
        // control.
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && (grid_->Options() & goTabs)) {
            if (!(key->modifiers() & Qt::AltModifier)) {
                keyPressEvent(key);
                return true;
            }
        }
    }
    return QLineEdit::event(e);
}

void TInplaceEdit::mousePressEvent(QMouseEvent* e)
{
    if (grid_ != nullptr && e->button() == Qt::LeftButton) {
        const qint64 since = grid_->TakeClickTime();
        if (since >= 0 && since < DoubleClickTime()) {
            mouseDoubleClickEvent(e);
            return;
        }
    }
    QLineEdit::mousePressEvent(e);
}

void TInplaceEdit::mouseDoubleClickEvent(QMouseEvent* e)
{
    QLineEdit::mouseDoubleClickEvent(e);
    if (grid_ != nullptr)
        grid_->DblClick();
}

void TInplaceEdit::wheelEvent(QWheelEvent* e)
{
    if (grid_ == nullptr) {
        QLineEdit::wheelEvent(e);
        return;
    }
    const int delta = e->angleDelta().y();
    const TShiftState shift = ShiftStateOf(e->modifiers(), e->buttons());
    if (delta < 0)
        grid_->DoMouseWheelDown(shift);
    else if (delta > 0)
        grid_->DoMouseWheelUp(shift);
    e->accept();
}

void TInplaceEdit::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    if (grid_ != nullptr)
        grid_->FocusEntering(e->reason());
}

void TInplaceEdit::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    if (grid_ != nullptr)
        grid_->FocusLeaving(QApplication::focusWidget(), e->reason());
}
