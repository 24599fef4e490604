#include "platform/Exceptions.h"
#include "platform/ResStrings.h"
#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

// A stand-in dictionary: English for a few identifiers and names, by the rules of the hook.
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

struct ShortCutRow {
    TShortCut ShortCut;
    const char* German;
    const char* English;
};

TEST(ShortCutToText, KeyNamesAndModifiersInBothLanguages)
{
    const ShortCutRow rows[] = {
        {scCtrl | 'S', "Strg+S", "Ctrl+S"},
        {123, "F12", "F12"},
        {scAlt | 115, "Alt+F4", "Alt-F4"},  // the key name goes through the text lookup once more
        {scShift | scCtrl | scAlt | 'A', "Umsch+Strg+Alt+A", "Shift+Ctrl+Alt-A"},
        {scShift | 33, "Umsch+BildAuf", "Shift+PgUp"},
        {46, "Entf", "Entf"},             // an empty translation keeps the native text
        {8, "Rück", "Rück"},
        {40, "Nach unten", "Nach unten"},
        {96 + 7, "7", "7"},
        {188, ",", ","},
        {scCtrl | 145, "", ""},           // Scroll Lock: no single-character name
        {0, "", ""},
        {0x1000 | 'S', "S", "S"},         // an unknown modifier bit is ignored
        {0x1000 | scCtrl | 'S', "Strg+S", "Ctrl+S"},
    };
    for (const ShortCutRow& row : rows)
        EXPECT_EQ(ShortCutToText(row.ShortCut), QString::fromUtf8(row.German)) << row.ShortCut;
    TranslatorScope english(&English);
    for (const ShortCutRow& row : rows)
        EXPECT_EQ(ShortCutToText(row.ShortCut), QString::fromUtf8(row.English)) << row.ShortCut;
}

TEST(LoadResString, IdentifiersFailuresAndRecursion)
{
    EXPECT_EQ(LoadResString(SShortDayNameThu), "Do");
    EXPECT_EQ(LoadResString(SmkcSpace), "Leertaste");
    EXPECT_EQ(LoadResString(0), "");
    EXPECT_EQ(LoadResString(-1), "");
    EXPECT_EQ(LoadResString(0x7FFFFFFF), "");
    {
        TranslatorScope english(&English);
        EXPECT_EQ(LoadResString(SShortDayNameThu), "Thu");
        EXPECT_EQ(LoadStr(SShortDayNameThu), "Thu");
        EXPECT_EQ(LoadResString(SmkcDel), "Entf");
        EXPECT_EQ(LoadStr(SmkcDel), "Entf");
    }
    {
        // A failing lookup gives the untranslated text; LoadStr passes the error on, and
        // lookups run again afterwards.
        TranslatorScope failing(&Failing);
        EXPECT_EQ(LoadResString(SShortDayNameThu), "Do");
        EXPECT_EQ(ShortCutToText(scCtrl | 'S'), "Strg+S");
        EXPECT_THROW(LoadStr(SShortDayNameThu), Exception);
        SetResStringTranslator(&English);
        EXPECT_EQ(LoadResString(SShortDayNameThu), "Thu");
    }
    {
        TranslatorScope recursing(&Recursing);
        EXPECT_EQ(LoadResString(SmkcTab), "Do|Tab");
    }
    EXPECT_EQ(LoadResString(SShortDayNameThu), "Do");
}

TEST(QtKeyNameText, QtNamesTakeTheTableTexts)
{
    const std::pair<const char*, const char*> rows[] = {
        {"Ctrl", "Strg"}, {"Shift", "Umsch"}, {"Alt", "Alt"}, {"PgUp", "BildAuf"},
        {"Return", "Enter"}, {"Del", "Entf"}, {"Space", "Leertaste"},
    };
    for (const auto& [qt, german] : rows) {
        QString text;
        EXPECT_TRUE(QtKeyNameText(QLatin1String(qt), text)) << qt;
        EXPECT_EQ(text, QString::fromUtf8(german)) << qt;
    }
    QString text = QStringLiteral("kept");
    EXPECT_FALSE(QtKeyNameText(QStringLiteral("Meta"), text));
    EXPECT_EQ(text, "kept");
    TranslatorScope english(&English);
    EXPECT_TRUE(QtKeyNameText(QStringLiteral("Ctrl"), text));
    EXPECT_EQ(text, "Ctrl");
}

}  // namespace
