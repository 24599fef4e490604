#pragma once
// The translation hook of the transducer core: forms hand in their TranslateString, tests
// and the report's calculator may leave it empty (texts then stay as designed).

#include <QString>

#include <functional>

using tTranslate = std::function<QString(const QString&)>;

inline QString Translated(const tTranslate& translate, const QString& text)
{
    return translate ? translate(text) : text;
}
