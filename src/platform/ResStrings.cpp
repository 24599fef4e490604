#include "platform/ResStrings.h"

#include <array>

namespace {

struct TResString {
    int Id;
    const char* Text;  // UTF-8
};

// The key names by index (Backspace, Tab, Escape, Enter, Space, Page Up, Page Down, End,
// Home, Left, Up, Right, Down, Insert, Delete, then the Shift, Ctrl and Alt prefixes).
constexpr std::array<TResString, 18> kKeyNames = {{
    {SmkcBkSp, "Rück"},       {SmkcTab, "Tab"},           {SmkcEsc, "Esc"},     {SmkcEnter, "Enter"},
    {SmkcSpace, "Leertaste"}, {SmkcPgUp, "BildAuf"},      {SmkcPgDn, "BildAb"}, {SmkcEnd, "Ende"},
    {SmkcHome, "Pos1"},       {SmkcLeft, "Left"},         {SmkcUp, "Nach oben"}, {SmkcRight, "Rechts"},
    {SmkcDown, "Nach unten"}, {SmkcIns, "Einfg"},         {SmkcDel, "Entf"},    {SmkcShift, "Umsch+"},
    {SmkcCtrl, "Strg+"},      {SmkcAlt, "Alt+"},
}};

constexpr std::array<TResString, 1> kOthers = {{{SShortDayNameThu, "Do"}}};

constexpr int kShiftName = 15, kCtrlName = 16, kAltName = 17;

TResStringTranslator translator = nullptr;
bool lookupsAllowed = true;  // false while a translation runs

QString TableText(int id)
{
    for (const TResString& s : kKeyNames)
        if (s.Id == id)
            return QString::fromUtf8(s.Text);
    for (const TResString& s : kOthers)
        if (s.Id == id)
            return QString::fromUtf8(s.Text);
    return {};
}

// Runs the translator on a text; the lookup flag comes back whatever happens.
QString Translated(const QString& text, int id)
{
    if (text.isEmpty() || !translator || !lookupsAllowed)
        return text;
    lookupsAllowed = false;
    struct TRestore {
        ~TRestore() { lookupsAllowed = true; }
    } restore;
    const QString result = translator(text, id);
    return result.isEmpty() ? text : result;
}

QString TranslatedOrNative(const QString& text, int id)
{
    try {
        return Translated(text, id);
    } catch (...) {
        return text;
    }
}

// A key name of the table, as a resource string and then once more by its text alone.
QString KeyName(int index)
{
    const QString text = LoadResString(kKeyNames[static_cast<std::size_t>(index)].Id);
    return TranslatedOrNative(text, 0);
}

// The single-character names the keyboard gives the punctuation keys.
QString PunctuationName(int key)
{
    switch (key) {
    case 106: return QStringLiteral("*");
    case 107: return QStringLiteral("+");
    case 109: return QStringLiteral("-");
    case 111: return QStringLiteral("/");
    case 186: return QStringLiteral(";");
    case 187: return QStringLiteral("=");
    case 188: return QStringLiteral(",");
    case 189: return QStringLiteral("-");
    case 190: return QStringLiteral(".");
    case 191: return QStringLiteral("/");
    case 192: return QStringLiteral("`");
    case 219: return QStringLiteral("[");
    case 220: return QStringLiteral("\\");
    case 221: return QStringLiteral("]");
    case 222: return QStringLiteral("'");
    default: return {};
    }
}

QString KeyText(int key)
{
    if (key == 8 || key == 9)
        return KeyName(key - 8);
    if (key == 13)
        return KeyName(3);
    if (key == 27)
        return KeyName(2);
    if (key >= 32 && key <= 40)
        return KeyName(key - 28);
    if (key == 45 || key == 46)
        return KeyName(key - 32);
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return QString(QChar(key));
    if (key >= 96 && key <= 105)
        return QString(QChar('0' + key - 96));
    if (key >= 112 && key <= 135)
        return QStringLiteral("F%1").arg(key - 111);
    return PunctuationName(key);
}

}  // namespace

void SetResStringTranslator(TResStringTranslator value) { translator = value; }

TResStringTranslator ResStringTranslator() { return translator; }

QString LoadResString(int id) { return TranslatedOrNative(TableText(id), id); }

QString LoadStr(int id) { return Translated(TableText(id), id); }

QString ShortCutToText(TShortCut shortcut)
{
    const QString key = KeyText(shortcut & 0xFF);
    if (key.isEmpty())
        return {};
    QString text;
    if (shortcut & scShift)
        text += KeyName(kShiftName);
    if (shortcut & scCtrl)
        text += KeyName(kCtrlName);
    if (shortcut & scAlt)
        text += KeyName(kAltName);
    return text + key;
}

bool QtKeyNameText(const QString& qtName, QString& text)
{
    struct TQtName {
        const char* Name;
        int Index;
    };
    static const TQtName names[] = {
        {"Backspace", 0}, {"Tab", 1},   {"Esc", 2},   {"Return", 3}, {"Enter", 3},  {"Space", 4},
        {"PgUp", 5},      {"PgDown", 6}, {"End", 7},  {"Home", 8},   {"Left", 9},   {"Up", 10},
        {"Right", 11},    {"Down", 12},  {"Ins", 13}, {"Del", 14},   {"Shift", 15}, {"Ctrl", 16},
        {"Alt", 17},
    };
    for (const TQtName& n : names) {
        if (qtName != QLatin1String(n.Name))
            continue;
        text = KeyName(n.Index);
        // Qt puts the "+" between the names itself.
        if (n.Index >= kShiftName && text.endsWith(QLatin1Char('+')))
            text.chop(1);
        return true;
    }
    return false;
}
