#pragma once
// The few windowing services the grid needs beyond Qt's widgets: the application-wide
// screen cursor, one process-wide window-update lock, system colours, the double-click
// time and the keyboard state.

#include "grids/GridTypes.h"

#include <QColor>

class QWidget;

// Cursor identifiers as the program's design numbers them.
constexpr int crDefault = 0;
constexpr int crHourGlass = -11;
constexpr int crHSplit = -14;
constexpr int crVSplit = -15;

// The cursor shown over every window of the application; crDefault lets each widget
// show its own, and removes any cursor set for the whole application before.
int ScreenCursor();
void SetScreenCursor(int cursor);

// Freezes painting of one window. Only one window can be locked at a time: a second
// lock fails (returns false) until UnlockWindowUpdate releases the first.
bool LockWindowUpdate(QWidget* window);
void UnlockWindowUpdate();
QWidget* LockedWindow();

enum class TSysColor { Window, WindowText, BtnFace, BtnHighlight, BtnShadow, Highlight, HighlightText };
QColor SysColor(TSysColor color);

// Milliseconds within which a second click counts as a double click.
int DoubleClickTime();

// Modifiers and buttons held now.
TShiftState KeyboardShiftState();
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton);
