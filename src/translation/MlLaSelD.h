#pragma once
// The language selection dialog: lists the languages of an open dictionary, the current one
// selected, and gives back the chosen index. The main window switches the dictionary to it.

#include <QDialog>

class QListWidget;
class QPushButton;
class TMlDictionary;
class TMlTranslator;

enum TMlLanguageSelectOption : unsigned {
    mlsoAllLanguages = 1u << 0,  // no code-page test
    mlsoNativeNames = 1u << 1,   // each language's own name, not translated
    mlsoKeepPosition = 1u << 2,  // not centred over the reference
};

class TMlLanguageSelectDialog : public QDialog {
    Q_OBJECT

public:
    // Built, listed and translated; the caption replaces "Select Language" when not empty.
    TMlLanguageSelectDialog(QWidget* parent, TMlDictionary* dictionary, const QString& caption, int helpContext,
                            unsigned options);

    // The index of the selected language; -1 with none selected.
    int SelectedLanguage() const;
    int HelpContext() const { return helpContext_; }

    QListWidget* ListBox = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* HelpButton = nullptr;
    TMlTranslator* Translator = nullptr;

private:
    void CreateControls();
    void ListLanguages(const TMlDictionary& dictionary, unsigned options);
    void ConnectHandlers();
    void ListBoxDblClick();
    void HelpButtonClick();

    int helpContext_ = 0;
};

// Runs the dialog for an open dictionary (EMlMulti when it is closed, before anything is
// shown). True, and the chosen index in language, only on OK with a language selected;
// otherwise language is left as it was.
bool SelectLanguage(QWidget* reference, TMlDictionary* dictionary, const QString& caption, int& language,
                    int helpContext, unsigned options);
