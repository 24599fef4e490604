#pragma once
// The names list TDLG_Namensliste: the name of a medium or pipe material in each of the
// library's eight languages, the distinct names among them, and whether they are all the
// same (the medium chart then offers no "other languages").

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

enum class TNamedEntry : std::uint8_t { Medium, Material };

// The 12-character label of a library language ("Deutsch     " ... "Englisch    ");
// "Ausländisch " for any other index. Native texts: the form translates them.
QString LibraryLanguageLabel(int languageIndex);

struct TNameVariants {
    struct TRow {
        QString Language;  // LibraryLanguageLabel, untranslated
        QString Name;
    };
    std::vector<TRow> Rows;    // one per library language, in index order
    QStringList DistinctNames; // sorted ignoring case; names differing only in case count once
    bool AllNamesEqual = false;  // fewer than 2 distinct names
};

// Collects the entry's names, switching the library's name language for the lookups; the
// language is restored afterwards, also when a lookup throws.
TNameVariants CollectNameVariants(TNamedEntry kind, std::uint16_t id);
