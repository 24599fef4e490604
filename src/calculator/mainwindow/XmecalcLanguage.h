#pragma once
// The main window's side of the language: the program's dictionary and what the window
// does after every language change.

#include "translation/MlBinDic.h"

#include <memory>

class TXmeCalcDlg;

// The program's dictionary ("Dictionary1", its built-in data, the system check), made the
// forms' dictionary before the start-up forms are created, so each is translated once
// built. Its language-change event runs DictionaryLanguageChange on the main window.
std::unique_ptr<TMlBinaryDictionary> CreateProgramDictionary();

// After a language change: the German and English commands are enabled for the language
// that is not current; the library lists take the new name language, and the edits and
// panels the new number format.
void DictionaryLanguageChange(TXmeCalcDlg& window);
