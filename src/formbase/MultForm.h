#pragma once
// The base of every dialog of the calculator, the transducer application and the report:
// a translator bound to the main window's dictionary, a hidden OK/Cancel panel, the modal
// show, string translation and the translation of multi-line label and memo texts.
// A form builds its controls with the form kit (FormKit.h) and never translates itself: the
// form registry (start-up forms) or the dialog factory (DialogFactory.h) translates it once
// it is fully constructed.

#include <QDialog>
#include <QString>

class QMargins;
class QPushButton;
class QShowEvent;
class QWidget;
class TMlDictionary;
class TMlTranslator;

class TMultilingualForm : public QDialog {
    Q_OBJECT

public:
    explicit TMultilingualForm(QWidget* parent = nullptr);
    ~TMultilingualForm() override;

    TMlTranslator* Translator = nullptr;
    QWidget* Panel_BUTTONS = nullptr;
    QPushButton* BUT_OK = nullptr;
    QPushButton* BUT_Cancel = nullptr;

    // The text through the translator's dictionary; unchanged without dictionary or for an
    // empty text.
    QString TranslateString(const QString& text) const;
    // Shows the form modally; returns its modal result (1 = OK).
    int ShowDialog();

    // Hands the dictionary to every form the application owns, each translator rooted at
    // its own form.
    virtual void ShareDictionary(TMlDictionary* dictionary);
    // Selects a dictionary language by index (nothing without a dictionary).
    virtual void SetLanguage(int index);
    // Selects the first non-native language with this primary language id (7 German,
    // 9 English); nothing without a dictionary or without a match.
    void SetLanguageById(int primaryId);
    // The primary language id of the dictionary's current language; 0 without dictionary.
    int CurrentLanguageId() const;

    // CR LF <-> "#C#L", the form in which the dictionary stores multi-line texts.
    static bool EncodeLineBreaks(QString& text);
    static QString DecodeLineBreaks(const QString& text);
    // A text with CR LF is looked up as one encoded text; any other text is returned as is.
    QString TranslateMultiLine(const QString& text) const;

    // The translator's translate event: labels and memos take their multi-line texts
    // through TranslateMultiLine.
    void TranslatorTranslate(TMlTranslator* translator, const QString& property, QObject* component);

protected:
    // The creation handler; derived forms call it first in their own.
    void FormCreate();
    // After a language or locale switch, once the translator has translated the form again
    // and the number formats are the new locale's: a form that shows values it formatted
    // itself writes them again. May run twice for one switch (language, then locale).
    virtual void LanguageChanged() {}
    // The area above the button panel that a derived form fills.
    QWidget* ClientArea() const { return clientArea_; }
    // A form opens centred on its screen, its whole frame inside the available area.
    void showEvent(QShowEvent* event) override;

private:
    // The frame's margins: the window's own once the window system has framed it, before
    // that those of a window already framed.
    QMargins FrameMargins() const;
    QWidget* clientArea_ = nullptr;
};
