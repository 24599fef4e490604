#include "translation/MlResourceHook.h"

#include "platform/ResStrings.h"
#include "translation/MlDictio.h"

#include <QCoreApplication>
#include <QTranslator>

namespace {

class TMlResourceTranslator : public QTranslator {
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        // Shortcut names in menus come from the string table, in the current language.
        QString keyName;
        if (sourceText && qstrcmp(context, "QShortcut") == 0 && QtKeyNameText(QString::fromUtf8(sourceText), keyName))
            return keyName;
        TMlDictionary* dictionary = nullptr;
        try {
            dictionary = DefaultDictionary();
        } catch (const Exception&) {
            return {};
        }
        if (!dictionary || !dictionary->IsOpen() || !sourceText)
            return {};
        const QString text = QString::fromUtf8(sourceText);
        QString translation;
        const bool found = (dictionary->Keyed() &&
                            dictionary->LookupWithContext(text, QString::fromUtf8(context), translation, QString())) ||
                           dictionary->Lookup(text, translation);
        return found ? translation : QString();
    }
};

}  // namespace

void InstallResourceStringHook()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || app->findChild<TMlResourceTranslator*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    QCoreApplication::installTranslator(new TMlResourceTranslator(app));
}
