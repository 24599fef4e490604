#pragma once
// The system beep. The widget layer installs the real sound (QApplication::beep); tests
// count calls.

#include <functional>

void MessageBeep(unsigned type = 0xFFFFFFFFu);
int MessageBeepCount();
void ResetMessageBeepCount();
// Replaces what a beep does (nullptr: silent); the count is kept either way.
void SetMessageBeepHandler(std::function<void(unsigned)> handler);
