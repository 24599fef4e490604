#pragma once
// The two brand logos of the main window, drawn once.

#include <QIcon>
#include <QPixmap>

QPixmap OwnLogo();
QPixmap PartnerLogo();

// The images of the main window's action list that the program draws itself, by their
// index in that list: 29 the German flag, 30 the English flag, 31 the partner's info mark.
// Any other index (-1: none) gives a null icon.
QIcon ActionImage(int index);
// The image of the language command for a primary language id: 29 for German (7), 30 for
// English (9), -1 otherwise.
int LanguageImageIndex(int primaryLanguageId);
