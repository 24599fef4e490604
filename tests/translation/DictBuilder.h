#pragma once
// Builds dictionary data for tests: the blob layout, and a dictionary on it.

#include "translation/MlBinDic.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

struct TBytes {
    QByteArray data;
    bool big = false;

    TBytes& U8(unsigned v)
    {
        data.append(static_cast<char>(v));
        return *this;
    }
    TBytes& U16(unsigned v)
    {
        return big ? U8(v >> 8).U8(v & 0xFF) : U8(v & 0xFF).U8(v >> 8);
    }
    TBytes& U32(unsigned v)
    {
        return big ? U16(v >> 16).U16(v & 0xFFFF) : U16(v & 0xFFFF).U16(v >> 16);
    }
    // A blob string: u16 byte count and Latin-1 bytes.
    TBytes& Str(const QString& s)
    {
        const QByteArray b = s.toLatin1();
        U16(static_cast<unsigned>(b.size()));
        data.append(b);
        return *this;
    }
};

struct TLang {
    unsigned primary, sub, codePage;
    QString english, native;
    QString subList = {};
};

// LanguageData for the given languages (flags 2 for the native one).
inline QByteArray LanguageBlob(const std::vector<TLang>& langs, unsigned version = 1)
{
    TBytes b;
    b.U16(version).U16(static_cast<unsigned>(langs.size()));
    for (const TLang& l : langs)
        b.U16(l.primary).Str(l.subList).U16(l.sub).U16(0).U16(l.codePage).Str(l.english).Str(l.native).Str({}).U16(0).U8(
            l.primary == 0 ? 2 : 0);
    return b.data;
}

// Native, German, English: the program's own three languages.
inline QByteArray ProgramLanguages()
{
    return LanguageBlob({{0, 0, 1252, "Native", "Native"}, {7, 1, 1252, "German", "Deutsch"}, {9, 1, 1252, "English", "English"}});
}

// One entry: native, context A, context B and one text per language after the native one.
struct TRow {
    QString native, a, b;
    QStringList texts;
};

inline QByteArray TranslationBlob(const std::vector<TRow>& rows, unsigned mode = 1, unsigned version = 1)
{
    TBytes b;
    b.U16(version).U16(mode).U32(static_cast<unsigned>(rows.size()));
    for (const TRow& r : rows) {
        b.Str(r.native);
        if (mode == 1 || mode == 3)
            b.Str(r.a);
        if (mode == 1 || mode == 2)
            b.Str(r.b);
        for (const QString& t : r.texts)
            b.Str(t);
    }
    return b.data;
}

inline QByteArray NoLocales() { return QByteArray("\x01\x00\x00\x00", 4); }

// LocaleData with one custom locale: its id and currency, the decimal and list separators;
// the names and formats empty.
inline QByteArray LocaleBlob(unsigned primary, unsigned sub, const QString& currency, QChar decimal, QChar list)
{
    TBytes b;
    b.U16(1).U16(1).U16(primary).U16(sub).U16(0).U16(1252);
    for (int i = 0; i < 6; ++i)
        b.Str({});  // language and country names, abbreviation
    b.Str(currency).U8(3).U8(8).U8(2);
    b.Str({}).Str(decimal).Str({}).Str(list).Str({});  // thousands, decimal, date, list, time separators
    b.Str({}).Str({}).Str({}).Str({});  // date formats, AM, PM
    for (int i = 0; i < 8; ++i)
        b.U8(0);
    for (int i = 0; i < 2 * 12 + 2 * 7; ++i)
        b.Str({});  // month and day names
    return b.data;
}

// A dictionary on the given entries, not yet open.
inline std::unique_ptr<TMlBinaryDictionary> MakeDictionary(const std::vector<TRow>& rows,
                                                           const QByteArray& languages = ProgramLanguages())
{
    auto d = std::make_unique<TMlBinaryDictionary>();
    d->Storage = mlsEmbedded;
    d->SetData(languages, TranslationBlob(rows), NoLocales());
    return d;
}

// An MLD stream: the program's three languages (version 2 fields from version 2 on, size
// prefixes and an unknown trailing field from version 3 on) and one translation entry per
// row, keyed with both contexts.
inline QByteArray Mld(unsigned version, bool big, bool wide, const std::vector<TRow>& rows)
{
    auto bytes = [big] {
        TBytes b;
        b.big = big;
        return b;
    };
    auto str = [wide](TBytes& out, const QString& s) {
        out.U16(static_cast<unsigned>(s.size()));
        for (QChar c : s)
            wide ? out.U16(c.unicode()) : out.U8(c.unicode());
    };
    // Exactly two characters; the native language has none (two zero characters).
    auto pair = [wide](TBytes& out, const char* two) {
        for (int i = 0; i < 2; ++i) {
            const unsigned c = two[0] ? static_cast<unsigned char>(two[i]) : 0;
            wide ? out.U16(c) : out.U8(c);
        }
    };
    // Version 3 records carry their size, so a reader skips fields it does not know.
    auto record = [version](TBytes& table, const TBytes& rec) {
        if (version >= 3)
            table.U16(static_cast<unsigned>(rec.data.size()));
        table.data += rec.data;
    };
    const struct {
        unsigned primary;
        const char *iso639, *iso3166, *english, *native;
    } languages[] = {{0, "", "", "Native", "Native"}, {7, "de", "DE", "German", "Deutsch"}, {9, "en", "US", "English", "English"}};
    TBytes langs = bytes(), trans = bytes();
    for (const auto& l : languages) {
        TBytes rec = bytes();
        rec.U16(l.primary);
        if (version >= 2)
            pair(rec, l.iso639);
        rec.U16(l.primary ? 1 : 0);
        if (version >= 2)
            pair(rec, l.iso3166);
        str(rec, {});
        if (version >= 2)
            str(rec, QStringLiteral("n1,n2"));
        if (version >= 3)
            rec.U16(0);
        rec.U16(1252).U8(0);
        for (const QString& s : {QString::fromLatin1(l.english), QString::fromLatin1(l.native), QString()})
            str(rec, s);
        rec.U8(0);
        if (version >= 3)
            rec.U8(0xEE);
        record(langs, rec);
    }
    for (const TRow& r : rows) {
        TBytes rec = bytes();
        for (const QString& s : QStringList{r.native, r.a, r.b} + r.texts)
            str(rec, s);
        record(trans, rec);
    }
    TBytes head = bytes();
    head.data = "MLD";
    head.U8(version).U8(big ? 0 : 1).U8(version == 1 ? 9 : (wide ? 0 : 1)).U8(1).U8(version == 1 ? (wide ? 0 : 1) : 0);
    head.U32(0).U16(3).U32(42);
    head.U16(static_cast<unsigned>(rows.size())).U32(static_cast<unsigned>(42 + langs.data.size()));
    head.U16(0).U32(0).U16(0).U32(0);
    head.data.append(6, '\0');
    return head.data + langs.data + trans.data;
}

// The rows of the MLD stream that the dictionary tests find as the program's resource.
inline std::vector<TRow> ResourceRows()
{
    return {{"Datei", "TForm1", "MNU_File", {"Datei", "File"}}, {"Gr#L##", "", "", {"", "Size#L##"}}};
}
