// The MLD dictionary stream: header, languages, translations and custom locales.
#include "translation/MlMLDFil.h"

#include "platform/ByteReader.h"

#include <QByteArray>

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        const TMlMldStream stream(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
        try {
            stream.Locales();
        } catch (const EReadError&) {
        }
        const std::vector<TMlLanguage> languages = stream.Languages();
        const int count = static_cast<int>(languages.size());
        if (count > 0)
            stream.Translations(languages, std::min(2, count - 1), std::min(1, count - 1));
    } catch (const EReadError&) {
    }
    return 0;
}
