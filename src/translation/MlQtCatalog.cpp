#include "translation/MlQtCatalog.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

struct TCatalog {
    QString Language;
    std::unique_ptr<QTranslator> Translator;
};

TCatalog& Installed()
{
    static TCatalog catalog;
    return catalog;
}

}  // namespace

bool FollowQtCatalog(const QString& iso639)
{
    TCatalog& installed = Installed();
    // English is the language of Qt's own texts.
    const QString wanted = iso639.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0 ? QString() : iso639.toLower();
    if (wanted == installed.Language || !QCoreApplication::instance())
        return false;
    std::unique_ptr<QTranslator> next;
    if (!wanted.isEmpty()) {
        next = std::make_unique<QTranslator>();
        const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        // The combined catalogue brings the modules' ones; the base one alone will do.
        if (!next->load(QStringLiteral("qt_") + wanted, folder) && !next->load(QStringLiteral("qtbase_") + wanted, folder))
            next.reset();
    }
    if (!next && !installed.Translator)
        return false;
    if (installed.Translator)
        QCoreApplication::removeTranslator(installed.Translator.get());
    installed.Translator = std::move(next);
    installed.Language = installed.Translator ? wanted : QString();
    if (installed.Translator) {
        QCoreApplication::installTranslator(installed.Translator.get());
        // The program's own translators (children of the application) are asked first, as
        // before: Qt asks the translator installed last first.
        const auto own = QCoreApplication::instance()->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly);
        for (QTranslator* translator : own) {
            QCoreApplication::removeTranslator(translator);
            QCoreApplication::installTranslator(translator);
        }
    }
    return true;
}

QString QtCatalogLanguage() { return Installed().Language; }
