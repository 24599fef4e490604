#pragma once
// The MLD dictionary stream: a 42-byte header ("MLD", format version, byte order, character
// width, translation mode, then count and offset of the language, translation and locale
// tables) and the three tables. Version 2 adds ISO names and further names to the language
// records; version 3 prefixes every record with its u16 size, so later fields are skipped.
// Every read is bounded; bad data raise EReadError.

#include "translation/MlDictio.h"

#include <QByteArray>

#include <vector>

class ByteReader;

class TMlMldStream {
public:
    // Reads and checks the header.
    explicit TMlMldStream(QByteArray bytes);

    int Version() const { return version_; }
    bool BigEndian() const { return bigEndian_; }
    bool WideCharacters() const { return wide_; }
    int Mode() const { return mode_; }
    bool Keyed() const { return mode_ != 0; }
    int LanguageCount() const { return languages_.Count; }
    int TranslationCount() const { return translations_.Count; }
    int LocaleCount() const { return locales_.Count; }

    std::vector<TMlLanguage> Languages() const;
    // The entries kept for the current language, else the fallback one (none for the
    // native language).
    std::vector<TMlTranslation> Translations(const std::vector<TMlLanguage>& languages, int current, int fallback) const;
    std::vector<TMlLocale> Locales() const;

private:
    struct TTable {
        int Count = 0;
        std::uint32_t Offset = 0;
    };
    ByteReader Seek(const TTable& table, const char* what) const;
    QString ReadString(ByteReader& in, int codePage) const;
    QString ReadFixed(ByteReader& in, int count) const;
    TMlLanguage ReadLanguage(ByteReader& in) const;
    // Runs one record; with version 3 the record's size prefix bounds it and what it holds
    // beyond the known fields is skipped.
    template <class Read>
    auto Record(ByteReader& in, Read read) const;
    qsizetype MinRecord(int strings, int fixedBytes) const;

    QByteArray bytes_;
    int version_ = 0;
    bool bigEndian_ = false;
    bool wide_ = false;
    int mode_ = 0;
    TTable languages_, translations_, locales_;
};
