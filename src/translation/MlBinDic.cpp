#include "translation/MlBinDic.h"

#include "translation/MlMLDFil.h"
#include "translation/MlRecords.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr int kVersion = 1;

QString ReadBlobString(ByteReader& in, int codePage)
{
    const std::uint16_t length = in.U16();
    return AnsiToWide(in.Bytes(length), codePage);
}

void CheckVersion(ByteReader& in, const char* what)
{
    const int version = in.U16();
    if (version > kVersion || version < 1)
        throw EReadError(QStringLiteral("Unknown %1 data version: %2").arg(QLatin1String(what)).arg(version));
}

TMlLanguage ReadLanguageRecord(ByteReader& in)
{
    TMlLanguage l;
    l.PrimaryId = in.U16();
    const QString subs = ReadBlobString(in, 1252);
    if (!subs.isEmpty())
        l.SubLanguages = subs.split(QLatin1Char(','), Qt::SkipEmptyParts);
    l.DefaultSubId = in.U16();
    in.U16();  // the character set follows from the code page
    l.SetCodePage(in.U16());
    l.EnglishName = ReadBlobString(in, 1252);
    l.NativeName = ReadBlobString(in, l.CodePage ? l.CodePage : 1252);
    l.FontName = ReadBlobString(in, 1252);
    l.FontSize = in.U16();
    l.Flags = in.U8();
    l.Complete();
    return l;
}

std::vector<int> CodePagesOf(const std::vector<TMlLanguage>& languages)
{
    std::vector<int> pages;
    for (const TMlLanguage& l : languages)
        pages.push_back(l.CodePage ? l.CodePage : 1252);
    return pages;
}

QByteArray ReadResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EReadError(QStringLiteral("The built-in dictionary data %1 are missing").arg(path));
    return file.readAll();
}

}  // namespace

std::vector<TMlLanguage> ReadLanguageData(const QByteArray& data)
{
    ByteReader in(data);
    CheckVersion(in, "language");
    const std::uint16_t count = in.U16();
    // A record takes at least 16 bytes (six numbers, four empty strings, the flags).
    if (!in.CanHold(count, 16))
        throw EReadError(QStringLiteral("Language data promise %1 languages but end early").arg(count));
    std::vector<TMlLanguage> languages;
    for (int i = 0; i < count; ++i)
        languages.push_back(ReadLanguageRecord(in));
    return languages;
}

std::vector<TMlLocale> ReadLocaleData(const QByteArray& data)
{
    ByteReader in(data);
    CheckVersion(in, "locale");
    const std::uint16_t count = in.U16();
    if (!in.CanHold(count, 8))
        throw EReadError(QStringLiteral("Locale data promise %1 locales but end early").arg(count));
    std::vector<TMlLocale> locales;
    for (int i = 0; i < count; ++i)
        locales.push_back(ReadLocaleRecord(in, ReadBlobString));
    return locales;
}

TMlTranslationData ReadTranslationData(const QByteArray& data, const std::vector<TMlLanguage>& languages, int current,
                                       int fallback)
{
    const int languageCount = static_cast<int>(languages.size());
    if (current < 0 || current >= languageCount || fallback < 0 || fallback >= languageCount)
        throw EReadError(QStringLiteral("The dictionary has no language %1").arg(std::max(current, fallback)));
    ByteReader in(data);
    CheckVersion(in, "translation");
    TMlTranslationData result;
    result.Mode = in.U16() & 0xFF;
    const TMlEntryLayout layout = EntryLayout(result.Mode, languageCount);
    result.Keyed = result.Mode != 0;
    result.Count = in.U32();
    const int strings = 1 + layout.ContextA + layout.ContextB + layout.Columns;
    if (!in.CanHold(result.Count, 2 * strings))
        throw EReadError(QStringLiteral("Translation data promise %1 entries but end early").arg(result.Count));
    const std::vector<int> codePages = CodePagesOf(languages);
    for (std::uint32_t i = 0; i < result.Count; ++i)
        if (auto entry = ReadEntry(in, layout, ReadBlobString, codePages, current, fallback))
            result.Kept.push_back(std::move(*entry));
    // Bytes after the last entry mean the entries hold other columns than the languages.
    if (!in.AtEnd())
        throw EReadError(QStringLiteral("Translation data do not match the %1 languages: %2 bytes left over")
                             .arg(languageCount)
                             .arg(static_cast<qulonglong>(in.Left())));
    return result;
}

QString TMlCustomFileDictionary::ResolvedFileName() const
{
    if (FileName.isEmpty())
        return {};
    const QFileInfo info(FileName);
    if (info.exists() || FileName.contains(QLatin1Char('/')))
        return info.absoluteFilePath();
    const QString besideProgram = QDir(QCoreApplication::applicationDirPath()).filePath(FileName);
    return QFileInfo::exists(besideProgram) ? besideProgram : info.absoluteFilePath();
}

TMlBinaryDictionary::TMlBinaryDictionary(QObject* owner) : TMlCustomFileDictionary(owner) {}

TMlBinaryDictionary::~TMlBinaryDictionary() = default;

void TMlBinaryDictionary::SetData(const QByteArray& languageData, const QByteArray& translationData,
                                  const QByteArray& localeData)
{
    std::vector<TMlLanguage> languages = ReadLanguageData(languageData);
    std::vector<TMlLocale> locales = ReadLocaleData(localeData);
    // One pass over all entries checks the data before anything is taken.
    const TMlTranslationData check = ReadTranslationData(translationData, languages, 0, 0);
    const TState saved = state_;
    auto oldLanguages = std::move(languages_);
    auto oldLocales = std::move(locales_);
    const QByteArray oldData = translationData_;
    languages_ = std::move(languages);
    locales_ = std::move(locales);
    translationData_ = translationData;
    mld_.reset();
    try {
        if (IsOpen())
            ReloadTranslations();
    } catch (...) {
        languages_ = std::move(oldLanguages);
        locales_ = std::move(oldLocales);
        translationData_ = oldData;
        state_ = saved;
        throw;
    }
    entryCount_ = check.Count;
}

void TMlBinaryDictionary::LoadEmbeddedData()
{
    SetData(ReadResource(QStringLiteral(":/dictionary/LanguageData.bin")),
            ReadResource(QStringLiteral(":/dictionary/TranslationData.bin")),
            ReadResource(QStringLiteral(":/dictionary/LocaleData.bin")));
}

bool TMlBinaryDictionary::CanOpen() const
{
    if (Storage != mlsFile)
        return true;
    const QString path = ResolvedFileName();
    return !path.isEmpty() && QFileInfo::exists(path);
}

void TMlBinaryDictionary::LoadFile()
{
    if (FileName.isEmpty())
        throw EMlMulti(QStringLiteral("No FileName property set"));
    QFile file(ResolvedFileName());
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("Cannot open the dictionary file %1").arg(file.fileName()));
    TakeStream(file.readAll());
}

void TMlBinaryDictionary::LoadResource()
{
    QFile resource(MlDictionaryResource);
    if (!resource.open(QIODevice::ReadOnly))
        throw EMlMulti(QStringLiteral("The program has no dictionary resource MlDictionary (%1)").arg(MlDictionaryResource));
    TakeStream(resource.readAll());
}

void TMlBinaryDictionary::TakeStream(const QByteArray& bytes)
{
    auto stream = std::make_shared<const TMlMldStream>(bytes);
    std::vector<TMlLanguage> languages = stream->Languages();
    std::vector<TMlLocale> locales = stream->Locales();
    stream->Translations(languages, 0, 0);  // checks every entry before anything is taken
    languages_ = std::move(languages);
    locales_ = std::move(locales);
    entryCount_ = stream->TranslationCount();
    translationData_.clear();
    mld_ = std::move(stream);
}

void TMlBinaryDictionary::DoOpen()
{
    if (Storage == mlsFile && CanOpen() && !IsOpen())
        LoadFile();
    if (Storage == mlsResource && !IsOpen())
        LoadResource();
    TMlCustomFileDictionary::DoOpen();
}

TMlLanguage TMlBinaryDictionary::GetLanguage(int index) const
{
    if (index < 0 || index >= LanguageCount())
        throw ERangeError(QStringLiteral("Out of language range"));
    return languages_[static_cast<std::size_t>(index)];
}

TMlLocale TMlBinaryDictionary::GetLocale(int index) const
{
    if (index < 0 || index >= LocaleCount())
        throw ERangeError(QStringLiteral("Locale index %1 is out of range").arg(index));
    return locales_[static_cast<std::size_t>(index)];
}

std::vector<TMlTranslation> TMlBinaryDictionary::ReadTranslations(int current, int fallback, bool& keyed) const
{
    if (mld_) {
        keyed = mld_->Keyed();
        return mld_->Translations(languages_, current, fallback);
    }
    TMlTranslationData data = ReadTranslationData(translationData_, languages_, current, fallback);
    keyed = data.Keyed;
    return std::move(data.Kept);
}
