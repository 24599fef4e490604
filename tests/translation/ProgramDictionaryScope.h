#pragma once
// The program's dictionary, open, for a form test: German user locale, formats restored and
// the forms' dictionary cleared at the end.

#include "calculator/mainwindow/XmecalcLanguage.h"
#include "formbase/TranslatorHook.h"
#include "platform/FormatSettings.h"

struct TProgramDictionaryScope {
    TProgramDictionaryScope()
    {
        SetUserDefaultLCID(0x0407);
        SetSystemDefaultLCID(0x0407);
        Dictionary->SetLanguage(1);
        Dictionary->Open();
    }
    ~TProgramDictionaryScope() { SetFormsDictionary(nullptr); }

    FormatSettingsScope Formats;
    std::unique_ptr<TMlBinaryDictionary> Dictionary = CreateProgramDictionary();
};
