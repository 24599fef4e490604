#pragma once
// The dictionary data and the dictionary that reads it. The program's data are three blobs
// built into the program as resources (languages, translations, custom locales); the same
// dictionary can read an MLD dictionary file instead, or an MLD stream built into the
// program as the resource ":/MlDictionary".
//
// Blob layout (little-endian; a string is a u16 byte count and that many 8-bit characters):
//   LanguageData:    u16 version (1), u16 count, count language records
//   TranslationData: u16 version (1), u16 mode, u32 count, count entries
//   LocaleData:      u16 version (1), u16 count, count locale records
// Every reader checks each length and count against the bytes left and raises EReadError on
// bad data; nothing is allocated from a count that the data cannot hold.

#include "platform/ByteReader.h"
#include "translation/MlDictio.h"

#include <QByteArray>

#include <memory>
#include <vector>

class TMlMldStream;

// The languages of LanguageData, completed.
std::vector<TMlLanguage> ReadLanguageData(const QByteArray& data);
// The custom locales of LocaleData.
std::vector<TMlLocale> ReadLocaleData(const QByteArray& data);

struct TMlTranslationData {
    int Mode = 0;
    bool Keyed = false;        // entries carry contexts
    std::uint32_t Count = 0;   // entries in the data
    std::vector<TMlTranslation> Kept;
};
// Reads every entry of TranslationData for the given languages and keeps the texts of the
// current language, else of the fallback one (current 0, the native language, keeps none).
TMlTranslationData ReadTranslationData(const QByteArray& data, const std::vector<TMlLanguage>& languages, int current,
                                       int fallback);

// Where the dictionary's data come from: the MLD file FileName, the blobs handed to SetData
// (the program's own, LoadEmbeddedData), or the MLD stream of the resource below.
enum TMlStorage { mlsFile, mlsEmbedded, mlsResource };

// The program's resource that resource storage reads.
inline const QString MlDictionaryResource = QStringLiteral(":/MlDictionary");

class TMlCustomFileDictionary : public TMlCustomDictionary {
    Q_OBJECT

public:
    using TMlCustomDictionary::TMlCustomDictionary;

    QString FileName;
    TMlStorage Storage = mlsFile;

    // The file to read with file storage: the name as given when it exists, else the same
    // bare name in the application's directory when that exists.
    QString ResolvedFileName() const;
};

class TMlBinaryDictionary : public TMlCustomFileDictionary {
    Q_OBJECT

public:
    explicit TMlBinaryDictionary(QObject* owner = nullptr);
    ~TMlBinaryDictionary() override;

    // Takes embedded data. Everything is checked before anything is taken: bad data raises
    // EReadError and the dictionary keeps what it had.
    void SetData(const QByteArray& languageData, const QByteArray& translationData, const QByteArray& localeData);
    // The program's own data, built into it as resources.
    void LoadEmbeddedData();

    int LanguageCount() const override { return static_cast<int>(languages_.size()); }
    int LocaleCount() const override { return static_cast<int>(locales_.size()); }
    // Entries in the data (all languages).
    std::uint32_t DataEntryCount() const { return entryCount_; }

protected:
    bool CanOpen() const override;
    void DoOpen() override;
    TMlLanguage GetLanguage(int index) const override;
    TMlLocale GetLocale(int index) const override;
    std::vector<TMlTranslation> ReadTranslations(int current, int fallback, bool& keyed) const override;

private:
    void LoadFile();
    // Raises EMlMulti naming the resource when the program has none.
    void LoadResource();
    // Checks the whole stream before anything of it is taken.
    void TakeStream(const QByteArray& bytes);

    std::vector<TMlLanguage> languages_;
    std::vector<TMlLocale> locales_;
    QByteArray translationData_;
    std::shared_ptr<const TMlMldStream> mld_;
    std::uint32_t entryCount_ = 0;
};
