#pragma once
// The program's icon: the title bar of every form and the About box show it.

#include <QIcon>

// Drawn once, in the sizes a title bar and the About box ask for (16, 32 and 48 pixels).
QIcon ProgramIcon();
