#include "formbase/TranslatorHook.h"

#include "formbase/MultForm.h"
#include "translation/MlTranslator.h"

namespace {
TMlDictionary* g_dictionary = nullptr;
}

TMlDictionary* FormsDictionary()
{
    return g_dictionary;
}

void SetFormsDictionary(TMlDictionary* dictionary)
{
    g_dictionary = dictionary;
}

void TranslateForm(TMultilingualForm& form)
{
    if (!form.Translator)
        return;
    form.Translator->SetDictionary(g_dictionary);
    // Each translator translates its own form, not the one that shared the dictionary.
    form.Translator->SetTargetRoot(&form);
    // Without the forms' dictionary the translator would pick any dictionary alive.
    if (g_dictionary)
        form.Translator->Attach();
}
