#pragma once
// The component extras' texts and registered cursors.

#include <QCursor>
#include <QString>

// Cursor numbers of the two cursors registered at start. The sort grid drags its rows with
// crDragCur; no control selects crHandCur.
constexpr int crHandCur = 14000;
constexpr int crDragCur = 14001;

// "Function not yet implemented", translated.
QString SNotImplemented();

// Loads the cursors "CE_HANDCUR" and "CE_DRAGCUR" from the program's resources and registers
// them as crHandCur and crDragCur. Call once at start; later calls do nothing.
void RegisterComponentCursors();

// The cursor registered under `id`; the arrow for a number nobody registered.
QCursor ScreenCursor(int id);

// Makes the component pictures available (the library is static, so its resources must
// be pulled in explicitly).
void InitComponentResources();
