#pragma once
// The error box of the application's event loop, translated: installed by the program's
// dictionary when the application has no report of its own. Also sets the application's
// layout direction from the dictionary's reading order.

// Installs both on the running application; nothing without one.
void InstallTranslatedExceptionBox();
