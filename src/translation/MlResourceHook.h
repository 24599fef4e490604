#pragma once
// Shortcut names that Qt asks for come from the string table (ResStrings.h).
// Texts the libraries translate through Qt (QCoreApplication::translate: the components'
// messages, Qt's own widget texts) are looked up in the default dictionary while it is
// open, by the text alone, or with the library's context as context A. A text the
// dictionary lacks stays as the library has it, whatever the missing-translation rule.

// Installs the hook on the running application once; nothing without an application.
void InstallResourceStringHook();
