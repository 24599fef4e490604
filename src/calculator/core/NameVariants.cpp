#include "calculator/core/NameVariants.h"

#include "reference/QlvTabels.h"

#include <algorithm>

namespace {
// Puts the library's name language back however the collection ends.
class TNameLanguageScope {
public:
    TNameLanguageScope() : saved_(FirmwareLanguageIndex) {}
    ~TNameLanguageScope() { FirmwareLanguageIndex = saved_; }
    TNameLanguageScope(const TNameLanguageScope&) = delete;
    TNameLanguageScope& operator=(const TNameLanguageScope&) = delete;

private:
    std::uint8_t saved_;
};

void InsertDistinct(QStringList& sorted, const QString& name)
{
    const auto less = [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; };
    const auto at = std::lower_bound(sorted.begin(), sorted.end(), name, less);
    if (at != sorted.end() && at->compare(name, Qt::CaseInsensitive) == 0)
        return;
    sorted.insert(at, name);
}
}  // namespace

QString LibraryLanguageLabel(int languageIndex)
{
    static const char* const labels[LibLangCount] = {"Deutsch     ", "Französisch ", "Dänisch     ",
                                                     "Tschechisch ", "Holländisch ", "Polnisch    ",
                                                     "Norwegisch  ", "Englisch    "};
    if (languageIndex < 0 || languageIndex >= LibLangCount)
        return QStringLiteral("Ausländisch ");
    return QString::fromUtf8(labels[languageIndex]);
}

TNameVariants CollectNameVariants(TNamedEntry kind, std::uint16_t id)
{
    TNameVariants variants;
    const TNameLanguageScope scope;
    for (int language = 0; language < LibLangCount; ++language) {
        FirmwareLanguageIndex = std::uint8_t(language);
        const QString name = kind == TNamedEntry::Medium ? MediumName(id) : MaterialName(id);
        variants.Rows.push_back({LibraryLanguageLabel(language), name});
        InsertDistinct(variants.DistinctNames, name);
    }
    variants.AllNamesEqual = variants.DistinctNames.size() < 2;
    return variants;
}
