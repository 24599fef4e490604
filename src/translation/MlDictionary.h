#pragma once
// The dictionary as the forms see it: a language list and text lookups. The translation
// subsystem supplies the real dictionary; forms and tests only rely on these operations.

#include <QString>

class TMlDictionary {
public:
    virtual ~TMlDictionary() = default;

    // The text to show for a native (design) text in the current language; the text itself
    // when the dictionary has no entry.
    virtual QString Translate(const QString& text) const = 0;

    // Language index 0 is the native language.
    virtual int LanguageCount() const = 0;
    // The primary language id of the language at an index (7 German, 9 English).
    virtual int PrimaryLanguageId(int index) const = 0;
    virtual int Language() const = 0;
    virtual void SetLanguage(int index) = 0;
};
