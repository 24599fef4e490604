// Builds the program's dictionary data from the text tables in src/translation/dictionary.
//
//   mldict_build OUTDIR TABLE...
//
// writes OUTDIR/LanguageData.bin, TranslationData.bin and LocaleData.bin, reads them back
// with the program's own readers, and fails (exit 1, file and line named) on any error.
//
// Table format (UTF-8; every text must fit Windows-1252, the code page of the data):
//   - One file per context A: the form class the texts belong to (TXmeCalcDlg.txt), or
//     common.txt for texts not tied to a form. New forms bring their own file.
//   - Empty lines and lines starting with "//" are skipped.
//   - The first other line names the context: "@context TXmeCalcDlg", or "@context" alone
//     for no context A.
//   - Every further line is one entry: four fields separated by tabs,
//         context B <TAB> native text <TAB> German <TAB> English
//     context B: the control's design name; empty for the form's own caption and for texts
//     the code translates; the decimal id for a resource string.
//     The native text is the design text, exactly as the code or the form holds it.
//     German or English "=" repeats the native text.
//   - Texts use the "#" escapes: "##" for "#", "#C" carriage return, "#L" line feed, "#T"
//     tab; a multi-line text is written with "#C#L" for each line break.
//   - The same native text with the same contexts may appear once only.

#include "platform/TextCodec.h"
#include "translation/MlBinDic.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

#include <cstdio>

namespace {

struct TEntry {
    QString Native, ContextA, ContextB, German, English;
};

[[noreturn]] void Fail(const QString& where, const QString& what)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(where), qPrintable(what));
    std::exit(1);
}

void PutU16(QByteArray& out, unsigned value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void PutU32(QByteArray& out, std::uint32_t value)
{
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

void PutString(QByteArray& out, const QString& text, const QString& where)
{
    const QByteArray bytes = ToWindows1252(text);
    if (FromWindows1252(bytes) != text)
        Fail(where, QStringLiteral("text does not fit Windows-1252: %1").arg(text));
    if (bytes.size() > 0xFFFF)
        Fail(where, QStringLiteral("text longer than 65535 bytes"));
    PutU16(out, static_cast<unsigned>(bytes.size()));
    out.append(bytes);
}

QByteArray LanguageData()
{
    struct Row {
        unsigned primary, sub;
        const char *english, *native;
        unsigned flags;
    };
    const Row rows[] = {{0, 0, "Native", "Native", 2}, {7, 1, "German", "Deutsch", 0}, {9, 1, "English", "English", 0}};
    QByteArray out;
    PutU16(out, 1);
    PutU16(out, 3);
    for (const Row& r : rows) {
        PutU16(out, r.primary);
        PutString(out, QString(), QString());  // sub-language list
        PutU16(out, r.sub);
        PutU16(out, 0);                        // character set
        PutU16(out, 1252);
        PutString(out, QLatin1String(r.english), QString());
        PutString(out, QLatin1String(r.native), QString());
        PutString(out, QString(), QString());  // font name
        PutU16(out, 0);                        // font size
        out.append(static_cast<char>(r.flags));
    }
    return out;
}

void ReadTable(const QString& path, std::vector<TEntry>& entries)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(path, QStringLiteral("cannot read"));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    bool haveContext = false;
    QString contextA;
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString where = QStringLiteral("%1:%2").arg(path).arg(n + 1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1String("//")))
            continue;
        if (!haveContext) {
            if (!line.startsWith(QLatin1String("@context")))
                Fail(where, QStringLiteral("the table must start with \"@context\""));
            contextA = line.mid(8).trimmed();
            haveContext = true;
            continue;
        }
        const QStringList f = line.split(QLatin1Char('\t'));
        if (f.size() != 4)
            Fail(where, QStringLiteral("%1 fields, 4 expected (context B, native, German, English)").arg(f.size()));
        if (f[1].isEmpty())
            Fail(where, QStringLiteral("empty native text"));
        auto same = [&](const QString& t) { return t == QLatin1String("=") ? f[1] : t; };
        entries.push_back({f[1], contextA, f[0], same(f[2]), same(f[3])});
    }
}

QByteArray TranslationData(const std::vector<TEntry>& entries)
{
    QByteArray out;
    PutU16(out, 1);
    PutU16(out, 1);  // both contexts
    PutU32(out, static_cast<std::uint32_t>(entries.size()));
    for (const TEntry& e : entries) {
        const QString where = QStringLiteral("%1/%2 \"%3\"").arg(e.ContextA, e.ContextB, e.Native);
        for (const QString* text : {&e.Native, &e.ContextA, &e.ContextB, &e.German, &e.English})
            PutString(out, *text, where);
    }
    return out;
}

void Write(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        Fail(path, QStringLiteral("cannot write"));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: mldict_build OUTDIR TABLE...\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    std::vector<TEntry> entries;
    for (int i = 2; i < argc; ++i)
        ReadTable(QString::fromLocal8Bit(argv[i]), entries);
    QSet<QString> seen;
    for (const TEntry& e : entries) {
        const QString key = e.Native + QChar(127) + e.ContextA + QChar(127) + e.ContextB;
        if (seen.contains(key))
            Fail(e.ContextA, QStringLiteral("\"%1\" (context B \"%2\") appears twice").arg(e.Native, e.ContextB));
        seen.insert(key);
    }
    const QByteArray languages = LanguageData();
    const QByteArray translations = TranslationData(entries);
    const QByteArray locales("\x01\x00\x00\x00", 4);
    try {
        const auto read = ReadLanguageData(languages);
        ReadTranslationData(translations, read, 2, 0);
        ReadLocaleData(locales);
    } catch (const Exception& error) {
        Fail(outDir, QStringLiteral("the data do not read back: %1").arg(error.Message()));
    }
    QDir().mkpath(outDir);
    Write(outDir + QStringLiteral("/LanguageData.bin"), languages);
    Write(outDir + QStringLiteral("/TranslationData.bin"), translations);
    Write(outDir + QStringLiteral("/LocaleData.bin"), locales);
    std::printf("dictionary: %zu entries, %lld bytes of translations\n", entries.size(),
                static_cast<long long>(translations.size()));
    return 0;
}
