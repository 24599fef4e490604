// The "Default values" options dialog: the file choice through the provider, the enabled
// states, the shortened path and the close check.

#include "calculator/forms/D_DefaulFileOptions.h"
#include "calculator/forms/FileDialogs.h"
#include "formbase/DialogFactory.h"
#include "platform/MessageBox.h"

#include "FakeDictionary.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class DefaulFileOptionsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TDLG_DefaultFileOptions> dialog_;
    QTemporaryDir dir_;
    const QString file_ = dir_.filePath(QStringLiteral("DefaultValues.QVR"));
    int choices_ = 0;
    std::optional<QString> answer_;  // the file the user picks, none: cancelled
    TFileDialogRequest request_;
    QStringList messages_;

    void Show(const TDefaValueFile& options)
    {
        dialog_->LoadFromObject(options);
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
    }

private slots:
    void init()
    {
        QVERIFY(QFile(file_).open(QIODevice::WriteOnly));
        choices_ = 0, answer_.reset(), messages_.clear();
        SetFileDialogProvider([this](QWidget*, const TFileDialogRequest& request) { return ++choices_, request_ = request, answer_; });
        SetMessageHook([this](const MessageRequest& request) { return messages_ << request.text, true; });
        dialog_ = CreateDialog<TDLG_DefaultFileOptions>();
    }

    void cleanup() { dialog_.reset(), SetFileDialogProvider({}), SetMessageHook(nullptr), SetFormsDictionary(nullptr); }

    // Checked without a file, the box opens the choice (in the dictionary's language);
    // cancelled, OK waits for a file.
    void checkingLoadWithoutFileOpensTheChoice()
    {
        FakeDictionary dictionary;
        dictionary.entries = {{QStringLiteral("Quelvar Datei (*.QVR)|*.QVR"), QStringLiteral("Quelvar file (*.QVR)|*.QVR")}};
        dictionary.SetLanguage(2);
        SetFormsDictionary(&dictionary);
        TranslateForm(*dialog_);
        Show({});
        QVERIFY(!dialog_->BUT_OpenDefaFile->isEnabled() && dialog_->BUT_OK->isEnabled());
        dialog_->CB_LoadThisFile->click();
        QCOMPARE(choices_, 1);
        QCOMPARE(request_.Filter + request_.Title, QStringLiteral("Quelvar file (*.QVR)|*.QVR'Default value' file"));
        QVERIFY(dialog_->CB_LoadThisFile->isChecked() && !dialog_->BUT_OK->isEnabled() && dialog_->CB_ForceRecommendedTransducer->isEnabled());
        answer_ = file_;
        dialog_->BUT_OpenDefaFile->click();
        dialog_->CB_ForceRecommSoundpath->click();
        dialog_->BUT_OK->click();
        TDefaValueFile options;
        dialog_->StoreToObject(options);
        QVERIFY(dialog_->result() == 1 && options == (TDefaValueFile{file_, true, false, true, false}));
        dialog_.reset();
    }

    // Unchecked, the options are disabled but keep their states; Enter in the file name
    // opens the choice in the file's folder.
    void uncheckingDisablesButKeepsTheStates()
    {
        Show({file_, true, true, true, true});
        dialog_->CB_LoadThisFile->click();
        QCOMPARE(choices_, 0);
        for (const QCheckBox* option : {dialog_->CB_ForceRecommSoundpath, dialog_->CB_ForceRecommendedTransducer})
            QVERIFY(!option->isEnabled() && option->isChecked());
        QVERIFY(!dialog_->BUT_OpenDefaFile->isEnabled() && dialog_->CB_AlwaysStartWithDefaultValues->isEnabled() && dialog_->BUT_OK->isEnabled());
        dialog_->CB_LoadThisFile->click();
        dialog_->EDI_Filename->setFocus();
        QTest::keyClick(dialog_->EDI_Filename, Qt::Key_Return);
        QVERIFY(choices_ == 1 && dialog_->isVisible());
        QVERIFY(request_.FileName == QStringLiteral("DefaultValues.QVR") && request_.InitialDir == dir_.path());
    }

    // A missing file keeps the dialog open on OK, not on Cancel; a long path is shortened to
    // the field, the full one kept.
    void missingFileRefusesToCloseAndLongPathsAreShortened()
    {
        const QString gone = QStringLiteral("/data").repeated(40) + QStringLiteral("/DefaultValues.QVR");
        Show({gone, true, false, false, false});
        const QString shown = dialog_->EDI_Filename->text();
        QVERIFY(shown.startsWith(QStringLiteral("/...")) && shown.endsWith(QStringLiteral("/DefaultValues.QVR")));
        QVERIFY(dialog_->EDI_Filename->fontMetrics().horizontalAdvance(shown) <= dialog_->LabPath->width());
        QCOMPARE(dialog_->FileName(), gone);
        dialog_->done(1);
        QVERIFY(dialog_->isVisible());
        QCOMPARE(messages_, QStringList{QStringLiteral("Can not find file ") + gone});
        dialog_->done(2);
        QVERIFY(!dialog_->isVisible() && messages_.size() == 1);
    }
};

QTEST_MAIN(DefaulFileOptionsTest)
#include "DefaulFileOptionsTest.moc"
