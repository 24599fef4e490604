#include "translation/MlTranslator.h"

#include "translation/MlDictionary.h"

TMlTranslator::TMlTranslator(QObject* owner)
    : QObject(owner)
{
    setObjectName(QStringLiteral("Translator"));
}

void TMlTranslator::Attach()
{
    if (!dictionary_ || !OnTranslate)
        return;
    QObject* root = TargetRoot();
    if (!root)
        return;
    // The form decides per control how a text is translated (multi-line labels, memos).
    const auto children = root->findChildren<QObject*>();
    for (QObject* child : children)
        OnTranslate(this, QStringLiteral("Caption"), child);
}

QString TMlTranslator::Translate(const QString& text) const
{
    if (!dictionary_ || text.isEmpty())
        return text;
    return dictionary_->Translate(text);
}
