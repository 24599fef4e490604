#include "platform/Exceptions.h"
#include "platform/ResStrings.h"
#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

// A stand-in dictionary: English for a few identifiers; the text pass turns "Alt+" into
// "Alt-" so the second lookup of key names shows.
QString English(const QString& text, int id)
{
    switch (id) {
    case SmkcCtrl: return QStringLiteral("Ctrl+");
    case SmkcShift: return QStringLiteral("Shift+");
    case SmkcPgUp: return QStringLiteral("PgUp");
    case SShortDayNameThu: return QStringLiteral("Thu");
    case SmkcDel: return QString();  // an entry without a translation
    case 0: return text == QLatin1String("Alt+") ? QStringLiteral("Alt-") : text;
    default: return text;
    }
}

QString Failing(const QString&, int) { throw Exception(QStringLiteral("lookup failed")); }

// A lookup that loads a resource string itself, as an error message of the lookup would.
QString Recursing(const QString& text, int) { return LoadResString(SShortDayNameThu) + QLatin1Char('|') + text; }

struct TranslatorScope {
    explicit TranslatorScope(TResStringTranslator t) { SetResStringTranslator(t); }
    ~TranslatorScope() { SetResStringTranslator(nullptr); }
};

TEST(ShortCutToText, KeyNamesAndModifiersInBothLanguages)
{
    const struct { TShortCut ShortCut; const char *German, *English; } rows[] = {
        {scCtrl | 'S', "Strg+S", "Ctrl+S"},
        {scAlt | 115, "Alt+F4", "Alt-F4"},
        {scShift | scCtrl | scAlt | 'A', "Umsch+Strg+Alt+A", "Shift+Ctrl+Alt-A"},
        {scShift | 33, "Umsch+BildAuf", "Shift+PgUp"},
        {46, "Entf", "Entf"},  // an empty translation keeps the native text
        {96 + 7, "7", "7"},
        {188, ",", ","},
        {scCtrl | 145, "", ""},  // Scroll Lock: no single-character name
        {0x1000 | scCtrl | 'S', "Strg+S", "Ctrl+S"},  // an unknown modifier bit is ignored
    };
    for (const auto& row : rows)
        EXPECT_EQ(ShortCutToText(row.ShortCut), QString::fromUtf8(row.German)) << row.ShortCut;
    TranslatorScope english(&English);
    for (const auto& row : rows)
        EXPECT_EQ(ShortCutToText(row.ShortCut), QString::fromUtf8(row.English)) << row.ShortCut;
}

TEST(LoadResString, IdentifiersFailuresAndRecursion)
{
    for (int unknown : {0, -1, 0x7FFFFFFF})
        EXPECT_EQ(LoadResString(unknown), "");
    {
        // A failing lookup gives the untranslated text; LoadStr passes the error on.
        TranslatorScope failing(&Failing);
        EXPECT_EQ(LoadResString(SShortDayNameThu), "Do");
        EXPECT_EQ(ShortCutToText(scCtrl | 'S'), "Strg+S");
        EXPECT_THROW(LoadStr(SShortDayNameThu), Exception);
        SetResStringTranslator(&Recursing);
        EXPECT_EQ(LoadResString(SmkcTab), "Do|Tab");  // lookups run again after a failure
        SetResStringTranslator(&English);
        EXPECT_EQ(LoadStr(SShortDayNameThu), "Thu");
    }
    EXPECT_EQ(LoadResString(SShortDayNameThu), "Do");
}

}  // namespace
