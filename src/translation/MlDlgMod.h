#pragma once
// Qt's own file and font dialogs (never the native ones) in the current language: while
// the module is installed it watches every dialog of the application and, each time a
// file or font dialog is shown or activated, sets its caption, labels, buttons, column
// headers and tool tips to the dictionary's texts for the English keys below.

#include "translation/MlTranslator.h"

#include <QDialog>

// What the module keeps of one dialog, a child of that dialog: the dialog's own title (a
// title its caller set is kept) and the texts Qt gave its controls, the keys of later
// passes.
class TMlCommonDialog : public QObject {
    Q_OBJECT

public:
    explicit TMlCommonDialog(QDialog* dialog);
    bool OwnTitle = false;
    QHash<QObject*, QString> Keys;
    static TMlCommonDialog* Of(QDialog* dialog);
};

class TMlDialogModule : public TMlModule {
    Q_OBJECT

public:
    explicit TMlDialogModule(QObject* owner = nullptr);
    ~TMlDialogModule() override;

    // Translates a file or font dialog now; other dialogs are left alone.
    void TranslateDialog(QDialog* dialog);
    bool Translating() const { return translating_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool translating_ = false;
};

// The dictionary's text for a key, the key itself without an open default dictionary.
QString TranslateDialogKey(const QString& key);
