#pragma once
// A dictionary with fixed entries for form tests, open on German (index 1); counts its
// lookups. It leaves the number formats alone.

#include "translation/MlDictionary.h"

#include <QList>
#include <QMap>

class FakeDictionary : public TMlDictionary {
public:
    FakeDictionary()
    {
        CheckLevel = mlclNone;
        Options &= ~mldoUpdateLocaleVariables;
        SetLanguage(1);
        Open();
    }
    int LanguageCount() const override { return int(ids.size()); }
    bool Lookup(const QString& text, QString& translation) const override
    {
        ++lookups;
        lastKey = text;
        translation = entries.value(text);
        return entries.contains(text);
    }
    bool LookupWithContext(const QString& text, const QString&, QString& translation, const QString&) const override { return Lookup(text, translation); }

    QMap<QString, QString> entries;
    QList<int> ids{0, 7, 9};  // native, German, English
    mutable int lookups = 0;
    mutable QString lastKey;

protected:
    TMlLanguage GetLanguage(int index) const override
    {
        TMlLanguage language;
        language.PrimaryId = ids.value(index);
        language.Complete();
        return language;
    }
};
