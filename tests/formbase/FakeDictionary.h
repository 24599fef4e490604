#pragma once
// A dictionary with fixed entries for form tests; counts its lookups.

#include "translation/MlDictionary.h"

#include <QList>
#include <QMap>

class FakeDictionary : public TMlDictionary {
public:
    QString Translate(const QString& text) const override
    {
        ++lookups;
        lastKey = text;
        return entries.value(text, text);
    }
    int LanguageCount() const override { return int(ids.size()); }
    int PrimaryLanguageId(int index) const override { return ids.value(index); }
    int Language() const override { return language; }
    void SetLanguage(int index) override { language = index; }

    QMap<QString, QString> entries;
    QList<int> ids{7, 7, 9};  // native German, German, English
    int language = 0;
    mutable int lookups = 0;
    mutable QString lastKey;
};
