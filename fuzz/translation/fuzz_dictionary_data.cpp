// The three dictionary blobs: every input is read as language, locale and translation data.
#include "translation/MlBinDic.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    std::vector<TMlLanguage> languages;
    try {
        languages = ReadLanguageData(bytes);
    } catch (const EReadError&) {
    }
    try {
        ReadLocaleData(bytes);
    } catch (const EReadError&) {
    }
    // The translations are read against the program's three languages.
    static const QByteArray program(
        "\x01\x00\x03\x00"
        "\x00\x00\x00\x00\x00\x00\x00\x00\xe4\x04\x06\x00" "Native\x06\x00" "Native\x00\x00\x00\x00\x02"
        "\x07\x00\x00\x00\x01\x00\x00\x00\xe4\x04\x06\x00" "German\x07\x00" "Deutsch\x00\x00\x00\x00\x00"
        "\x09\x00\x00\x00\x01\x00\x00\x00\xe4\x04\x07\x00" "English\x07\x00" "English\x00\x00\x00\x00\x00",
        100);
    static const std::vector<TMlLanguage> three = ReadLanguageData(program);
    try {
        ReadTranslationData(bytes, three, 2, 1);
    } catch (const EReadError&) {
    }
    return 0;
}
