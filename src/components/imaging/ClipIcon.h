#pragma once
// The clipboard format for icons, registered at start and bound to icons.

#include <QString>

QString IconClipboardFormat();
void RegisterIconClipboardFormat();
