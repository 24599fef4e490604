// Settings-file text of any content read as fonts and floats: must never crash.
#include "reference/CommTool.h"

#include "platform/IniFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const IniFile ini = IniFile::FromBytes(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    for (const QString& section : ini.ReadSections()) {
        for (const QString& key : ini.ReadSection(section)) {
            tFontRec font;
            IniReadFont(ini, section, key, font);
            IniReadFloat(ini, section, key, 0.0);
            const QString text = ini.ReadString(section, key, QString());
            IniDecodeLineBreaks(IniEncodeLineBreaks(text));
            GetDelimitedField(text, QLatin1Char(','), MaskChar(text, QLatin1Char(',')));
        }
    }
    return 0;
}
