// Parses arbitrary bytes as a sections-and-keys file, writes it and reads it back: the
// written text must hold the same sections, keys and values, and an update must read back.

#include "platform/IniFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    IniFile first = IniFile::FromBytes(bytes);
    const QByteArray written = first.ToBytes();
    const IniFile second = IniFile::FromBytes(written);
    Check(second.ToBytes() == written);

    const QStringList sections = first.ReadSections();
    Check(second.ReadSections() == sections);
    for (const QString& section : sections) {
        const QStringList keys = first.ReadSection(section);
        Check(second.ReadSection(section) == keys);
        for (const QString& key : keys)
            Check(second.ReadString(section, key, QStringLiteral("\x01")) == first.ReadString(section, key, QString()));
    }

    // The input's own text as a value: line breaks become blanks, blanks around it go.
    const QString value = QString::fromUtf8(bytes.left(64));
    first.WriteString(QStringLiteral("Fuzz"), QStringLiteral("Value"), value);
    QString expected = value;
    expected.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    Check(first.ReadString(QStringLiteral("fuzz"), QStringLiteral("VALUE"), QString()) == expected.trimmed());
    Check(IniFile::FromBytes(first.ToBytes()).ReadString(QStringLiteral("Fuzz"), QStringLiteral("Value"), QString())
          == expected.trimmed());
    return 0;
}
