#include "translation/MlMLDFil.h"

#include "platform/ByteReader.h"
#include "translation/MlRecords.h"


namespace {
constexpr qsizetype kHeaderSize = 42;
}

TMlMldStream::TMlMldStream(QByteArray bytes) : bytes_(std::move(bytes))
{
    if (bytes_.size() < 3 || !bytes_.startsWith("MLD"))
        throw EReadError(QStringLiteral("The stream is not a valid MLD stream"));
    if (bytes_.size() < kHeaderSize)
        throw EReadError(QStringLiteral("The MLD header ends early"));
    ByteReader in(bytes_);
    in.Seek(3);
    version_ = in.U8();
    bigEndian_ = in.U8() == 0;
    const int width = in.U8();
    mode_ = in.U8();
    const int flag7 = in.U8();
    wide_ = (version_ == 1 ? flag7 : width) == 0;
    if (version_ < 1)
        throw EReadError(QStringLiteral("Unknown MLD format version: %1").arg(version_));
    if (mode_ > 3)
        throw EReadError(QStringLiteral("Unknown translation mode: %1").arg(mode_));
    in.SetBigEndian(bigEndian_);
    in.Seek(12);
    for (TTable* table : {&languages_, &translations_, &locales_}) {
        table->Count = in.U16();
        table->Offset = in.U32();
    }
}

ByteReader TMlMldStream::Seek(const TTable& table, const char* what) const
{
    if (table.Offset == 0)
        throw EReadError(QStringLiteral("Invalid %1 offset").arg(QLatin1String(what)));
    ByteReader in(bytes_);
    in.SetBigEndian(bigEndian_);
    in.Seek(table.Offset);
    return in;
}

QString TMlMldStream::ReadString(ByteReader& in, int codePage) const
{
    const std::uint16_t count = in.U16();
    if (!wide_)
        return AnsiToWide(in.Bytes(count), codePage);
    QString text;
    if (!in.CanHold(count, 2))
        throw EReadError(QStringLiteral("MLD string of %1 characters ends early").arg(count));
    text.reserve(count);
    for (int i = 0; i < count; ++i)
        text.append(QChar(in.U16()));
    return text;
}

QString TMlMldStream::ReadFixed(ByteReader& in, int count) const
{
    QString text;
    for (int i = 0; i < count; ++i)
        text.append(QChar(wide_ ? in.U16() : in.U8()));
    if (text.isEmpty() || text.front().isNull())
        return {};
    return text;
}

qsizetype TMlMldStream::MinRecord(int strings, int fixedBytes) const
{
    return 2 * strings + fixedBytes + (version_ >= 3 ? 2 : 0);
}

template <class Read>
auto TMlMldStream::Record(ByteReader& in, Read read) const
{
    if (version_ < 3)
        return read(in);
    const std::uint16_t size = in.U16();
    ByteReader record = in.Sub(size);
    auto result = read(record);  // a record shorter than its fields raises here
    return result;
}

TMlLanguage TMlMldStream::ReadLanguage(ByteReader& in) const
{
    TMlLanguage l;
    l.PrimaryId = in.U16();
    if (version_ >= 2) {
        const QString language = ReadFixed(in, 2);
        if (l.PrimaryId != 0)
            l.Iso639 = language;
    }
    l.DefaultSubId = in.U16();
    if (version_ >= 2) {
        const QString country = ReadFixed(in, 2);
        l.Iso3166 = l.DefaultSubId == 0 ? QString() : country;
    }
    const QString subs = ReadString(in, 1252);
    if (!subs.isEmpty())
        l.SubLanguages = subs.split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (version_ >= 2) {
        const QString names = ReadString(in, 1252);
        if (!names.isEmpty())
            l.Names = names.split(QLatin1Char(','), Qt::SkipEmptyParts);
    }
    if (version_ >= 3)
        in.U16();  // character set: follows from the code page
    l.SetCodePage(in.U16());
    l.Flags = in.U8();
    const int cp = l.CodePage ? l.CodePage : 1252;
    l.EnglishName = ReadString(in, 1252);
    l.NativeName = ReadString(in, cp);
    l.FontName = ReadString(in, cp);
    l.FontSize = in.U8();
    l.Complete();
    return l;
}

std::vector<TMlLanguage> TMlMldStream::Languages() const
{
    ByteReader in = Seek(languages_, "language");
    if (!in.CanHold(static_cast<std::uint64_t>(languages_.Count), MinRecord(5, 6)))
        throw EReadError(QStringLiteral("MLD stream promises %1 languages but ends early").arg(languages_.Count));
    std::vector<TMlLanguage> list;
    for (int i = 0; i < languages_.Count; ++i)
        list.push_back(Record(in, [this](ByteReader& r) { return ReadLanguage(r); }));
    return list;
}

std::vector<TMlTranslation> TMlMldStream::Translations(const std::vector<TMlLanguage>& languages, int current,
                                                      int fallback) const
{
    const int languageCount = static_cast<int>(languages.size());
    if (languageCount != languages_.Count)
        throw EReadError(QStringLiteral("MLD stream has %1 languages, not %2").arg(languages_.Count).arg(languageCount));
    if (current < 0 || current >= languageCount || fallback < 0 || fallback >= languageCount)
        throw EReadError(QStringLiteral("The dictionary has no language %1").arg(std::max(current, fallback)));
    const TMlEntryLayout layout = EntryLayout(mode_, languageCount);
    ByteReader in = Seek(translations_, "translation");
    const int strings = 1 + layout.ContextA + layout.ContextB + layout.Columns;
    if (!in.CanHold(static_cast<std::uint64_t>(translations_.Count), MinRecord(strings, 0)))
        throw EReadError(QStringLiteral("MLD stream promises %1 entries but ends early").arg(translations_.Count));
    // With 16-bit characters every text is already wide; with 8-bit ones the current
    // language's code page reads them.
    const int codePage = languages[static_cast<std::size_t>(current)].CodePage;
    const std::vector<int> codePages(static_cast<std::size_t>(languageCount), codePage ? codePage : 1252);
    const TMlStringReader strings8 = [this](ByteReader& r, int cp) { return ReadString(r, cp); };
    std::vector<TMlTranslation> list;
    for (int i = 0; i < translations_.Count; ++i) {
        auto entry = Record(in, [&](ByteReader& r) { return ReadEntry(r, layout, strings8, codePages, current, fallback); });
        if (entry)
            list.push_back(std::move(*entry));
    }
    return list;
}

std::vector<TMlLocale> TMlMldStream::Locales() const
{
    if (locales_.Count == 0)
        return {};
    ByteReader in = Seek(locales_, "locale");
    if (!in.CanHold(static_cast<std::uint64_t>(locales_.Count), MinRecord(0, 8)))
        throw EReadError(QStringLiteral("MLD stream promises %1 locales but ends early").arg(locales_.Count));
    const TMlStringReader strings = [this](ByteReader& r, int cp) { return ReadString(r, cp); };
    std::vector<TMlLocale> list;
    for (int i = 0; i < locales_.Count; ++i)
        list.push_back(Record(in, [&](ByteReader& r) { return ReadLocaleRecord(r, strings); }));
    return list;
}
