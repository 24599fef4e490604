#pragma once
// Qt's own texts (an edit's context menu, message-box buttons, the file and font dialogs)
// follow the program's language: while a language is current, Qt's catalogue for its ISO 639
// name is installed on the application; the native language and English use Qt's own
// English texts. The program's own translators (children of the application, such as the
// one that serves library texts from the dictionary) stay in front of the catalogue. The default dictionary calls this on every switch and when it closes.

#include <QString>

// Installs Qt's catalogue for the language (empty: none), replacing the one installed
// before. Returns true when the installed catalogue changed (Qt then tells every widget).
bool FollowQtCatalog(const QString& iso639);
// The ISO 639 name of the installed catalogue; empty when none is.
QString QtCatalogLanguage();
