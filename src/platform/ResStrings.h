#pragma once
// The program's string table: the common texts of menus and controls (key names of menu
// shortcuts and a few more) with their identifiers and German texts, and the three routines that load
// them. While a dictionary is open it installs a translator here, so every loaded text is
// shown in the current language; without one the texts come back as the table holds them.

#include <QString>

#include <cstdint>

// The identifiers of the table.
enum TResStringId : int {
    SmkcBkSp = 65334,
    SmkcTab = 65335,
    SmkcEsc = 65336,
    SmkcEnter = 65337,
    SmkcSpace = 65338,
    SmkcPgUp = 65339,
    SmkcPgDn = 65340,
    SmkcEnd = 65341,
    SmkcHome = 65342,
    SmkcLeft = 65343,
    SmkcUp = 65312,
    SmkcRight = 65313,
    SmkcDown = 65314,
    SmkcIns = 65315,
    SmkcDel = 65316,
    SmkcShift = 65317,
    SmkcCtrl = 65318,
    SmkcAlt = 65319,
    SShortDayNameThu = 65440,
};

// A shortcut as the design stores it: the virtual key in the low byte, the modifiers in
// the high byte.
using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

// Translates a loaded text: by its identifier (looked up with the identifier in decimal as
// context), or by the text alone when the identifier is 0. May raise.
using TResStringTranslator = QString (*)(const QString& text, int id);

// Installs the translator (nullptr removes it). The dictionary installs it while open.
void SetResStringTranslator(TResStringTranslator translator);
TResStringTranslator ResStringTranslator();

// The text of an identifier, translated. An identifier the table lacks gives an empty text.
// A translation that fails or comes back empty gives the untranslated text; a text loaded
// while a translation runs (an error message of the lookup itself) stays untranslated.
QString LoadResString(int id);
// As LoadResString, but an exception of the translation reaches the caller.
QString LoadStr(int id);

// The shortcut as a menu shows it: modifier names in the order Shift, Ctrl, Alt, then the
// key name; empty for a key without a name. Modifier bits other than the three are ignored.
QString ShortCutToText(TShortCut shortcut);

// The name for one of Qt's own key or modifier names ("Ctrl", "PgUp", ...), as the menus
// built by Qt show shortcuts; false for a name the table has no entry for.
bool QtKeyNameText(const QString& qtName, QString& text);
