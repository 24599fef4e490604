#include "grids/GridPlatform.h"

#include <QApplication>
#include <QCursor>
#include <QPalette>
#include <QPointer>
#include <QStyleHints>
#include <QWidget>

namespace {
int screenCursor = crDefault;
bool overrideInstalled = false;
QPointer<QWidget> lockedWindow;

Qt::CursorShape ShapeOf(int cursor)
{
    switch (cursor) {
    case crHourGlass: return Qt::WaitCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    default: return Qt::ArrowCursor;
    }
}
}  // namespace

int ScreenCursor()
{
    return screenCursor;
}

void SetScreenCursor(int cursor)
{
    screenCursor = cursor;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        return;
    if (cursor == crDefault) {
        // The default cursor whatever was set before, also by others: no override stays.
        while (QGuiApplication::overrideCursor() != nullptr)
            QGuiApplication::restoreOverrideCursor();
        overrideInstalled = false;
    } else if (overrideInstalled) {
        QGuiApplication::changeOverrideCursor(QCursor(ShapeOf(cursor)));
    } else {
        QGuiApplication::setOverrideCursor(QCursor(ShapeOf(cursor)));
        overrideInstalled = true;
    }
}

bool LockWindowUpdate(QWidget* window)
{
    if (window == nullptr || (lockedWindow != nullptr && lockedWindow != window))
        return false;
    lockedWindow = window;
    window->setUpdatesEnabled(false);
    return true;
}

void UnlockWindowUpdate()
{
    if (lockedWindow != nullptr)
        lockedWindow->setUpdatesEnabled(true);
    lockedWindow = nullptr;
}

QWidget* LockedWindow()
{
    return lockedWindow;
}

QColor SysColor(TSysColor color)
{
    const QPalette palette = QApplication::palette();
    switch (color) {
    case TSysColor::Window: return palette.color(QPalette::Active, QPalette::Base);
    case TSysColor::WindowText: return palette.color(QPalette::Active, QPalette::Text);
    case TSysColor::BtnFace: return palette.color(QPalette::Active, QPalette::Button);
    case TSysColor::BtnHighlight: return palette.color(QPalette::Active, QPalette::Light);
    case TSysColor::BtnShadow: return palette.color(QPalette::Active, QPalette::Dark);
    case TSysColor::Highlight: return palette.color(QPalette::Active, QPalette::Highlight);
    case TSysColor::HighlightText: return palette.color(QPalette::Active, QPalette::HighlightedText);
    }
    return {};
}

int DoubleClickTime()
{
    return QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    TShiftState state;
    if (modifiers & Qt::ShiftModifier)
        state |= ssShift;
    if (modifiers & Qt::AltModifier)
        state |= ssAlt;
    if (modifiers & Qt::ControlModifier)
        state |= ssCtrl;
    if (buttons & Qt::LeftButton)
        state |= ssLeft;
    if (buttons & Qt::RightButton)
        state |= ssRight;
    if (buttons & Qt::MiddleButton)
        state |= ssMiddle;
    return state;
}

TShiftState KeyboardShiftState()
{
    return ShiftStateOf(QGuiApplication::queryKeyboardModifiers(), QGuiApplication::mouseButtons());
}
