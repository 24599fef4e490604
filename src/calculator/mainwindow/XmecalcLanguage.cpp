#include "calculator/mainwindow/XmecalcLanguage.h"

#include "calculator/mainwindow/Xmecalc.h"
#include "formbase/TranslatorHook.h"
#include "translation/MlConMod.h"
#include "translation/MlDlgMod.h"
#include "translation/MlExceptionBox.h"
#include "translation/MlLaSelD.h"
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
    RegisterControlModule();
    // The common dialogs' translation lives as long as the dictionary.
    auto* dialogs = new TMlDialogModule(dictionary.get());
    if (!ModuleList().Add(dialogs))
        delete dialogs;
    return dictionary;
}

void DictionaryLanguageChange(TXmeCalcDlg& window)
{
    const int id = window.CurrentLanguageId();
    window.ACT_SpracheGerman->setEnabled(id != 7);
    window.ACT_SpracheENGLISH->setEnabled(id != 9);
    window.ShowLanguageImage();
    // The dictionary has taken the locale's separators into the format record already.
    window.FillLibraryLists();
    // The edits are rewritten from the stored values, so a message about a rejected text is over.
    window.Point.RefreshAllDisplays();
    window.Render(true);
}

void TXmeCalcDlg::Sprache1Click()
{
    TMlDictionary* dictionary = Translator ? Translator->Dictionary() : nullptr;
    int language = dictionary ? dictionary->LanguageIndex() : 0;
    if (SelectLanguage(this, dictionary, QString(), language, 0, 0))
        dictionary->SetLanguage(language);
}
