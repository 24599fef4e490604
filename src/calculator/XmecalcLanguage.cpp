#include "calculator/XmecalcLanguage.h"

#include "calculator/Xmecalc.h"
#include "formbase/TranslatorHook.h"
#include "translation/MlExceptionBox.h"
#include "translation/MlResourceHook.h"

#include <QAction>

std::unique_ptr<TMlBinaryDictionary> CreateProgramDictionary()
{
    auto dictionary = std::make_unique<TMlBinaryDictionary>();
    dictionary->setObjectName(QStringLiteral("Dictionary"));
    dictionary->DictionaryName = QStringLiteral("Dictionary1");
    dictionary->CheckLevel = mlclSystem;
    dictionary->Storage = mlsEmbedded;
    dictionary->LoadEmbeddedData();
    dictionary->OnLanguageChange = [] {
        if (TXmeCalcDlg* window = XmeCalcDlg())
            DictionaryLanguageChange(*window);
    };
    SetFormsDictionary(dictionary.get());
    InstallTranslatedExceptionBox();
    InstallResourceStringHook();
    return dictionary;
}

void DictionaryLanguageChange(TXmeCalcDlg& window)
{
    const int id = window.CurrentLanguageId();
    window.ACT_SpracheGerman->setEnabled(id != 7);
    window.ACT_SpracheENGLISH->setEnabled(id != 9);
    // The dictionary has taken the locale's separators into the format record already.
    window.FillLibraryLists();
    window.Render(true);
}
