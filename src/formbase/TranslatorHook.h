#pragma once
// The one place where a form meets the dictionary: the registry (start-up forms) and the
// dialog factory (dialogs made on demand) call TranslateForm once the form is fully
// constructed, so no constructor translates itself and a form's texts are final before
// the dictionary sees them.

class TMlDictionary;
class TMultilingualForm;

// The dictionary every form is translated with (nullptr: forms keep their design texts).
TMlDictionary* FormsDictionary();
void SetFormsDictionary(TMlDictionary* dictionary);

// Binds the form's translator to the forms' dictionary, roots it at the form and
// translates the form's texts. Without a dictionary the texts stay as designed.
void TranslateForm(TMultilingualForm& form);
