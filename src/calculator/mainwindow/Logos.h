#pragma once
// The two brand logos of the main window, drawn once.

#include <QPixmap>

QPixmap OwnLogo();
QPixmap PartnerLogo();
