#pragma once
// Record readers that the embedded data and the MLD stream share: a translation entry and
// a custom locale. Strings are read by the caller's string reader, since the two formats
// store them differently.

#include "platform/ByteReader.h"
#include "translation/MlDictio.h"

#include <functional>
#include <optional>

using TMlStringReader = std::function<QString(ByteReader&, int codePage)>;

// Which contexts an entry of a translation mode carries; an unknown mode raises EReadError.
struct TMlEntryLayout {
    bool ContextA = false;
    bool ContextB = false;
    int Columns = 0;  // one text per language after the native one
};
TMlEntryLayout EntryLayout(int mode, int languageCount);

// Reads one entry and keeps the current language's text (status 0), else the fallback
// language's (status 1); nullopt when both are empty or the native language is current.
// Native and language texts are unescaped, contexts are not.
std::optional<TMlTranslation> ReadEntry(ByteReader& in, const TMlEntryLayout& layout, const TMlStringReader& strings,
                                        const std::vector<int>& codePages, int current, int fallback);

// The custom-locale record (the same fields in both formats).
TMlLocale ReadLocaleRecord(ByteReader& in, const TMlStringReader& strings);
