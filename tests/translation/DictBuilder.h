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
