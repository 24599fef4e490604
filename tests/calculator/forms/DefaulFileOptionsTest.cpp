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
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class DefaulFileOptionsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TDLG_DefaultFileOptions> dialog_;
    QTemporaryDir dir_;
    QString file_;
    int choices_ = 0;
    std::optional<QString> answer_;
    TFileDialogRequest request_;
    QStringList messages_;

    void Show(const TDefaValueFile& options)
    {
        dialog_->LoadFromObject(options);
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
    }

private slots:
    void initTestCase()
    {
        file_ = dir_.filePath(QStringLiteral("DefaultValues.QVR"));
        QFile file(file_);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[MEDIUM]\r\nTEMP=30\r\n");
    }

    void init()
    {
        choices_ = 0;
        answer_.reset();
        messages_.clear();
        SetFileDialogProvider([this](QWidget*, const TFileDialogRequest& request) {
            ++choices_;
            request_ = request;
            return answer_;
        });
        SetMessageHook([this](const MessageRequest& request) {
            messages_ << request.text;
            return true;
        });
        dialog_ = CreateDialog<TDLG_DefaultFileOptions>();
    }

    void cleanup()
    {
        dialog_.reset();
        SetFileDialogProvider({});
        SetMessageHook(nullptr);
    }

    void checkingLoadWithoutFileOpensTheChoice()
    {
        Show({});
        QVERIFY(!dialog_->BUT_OpenDefaFile->isEnabled());
        QVERIFY(dialog_->BUT_OK->isEnabled());
        dialog_->CB_LoadThisFile->click();
        QCOMPARE(choices_, 1);
        QCOMPARE(request_.Filter, QStringLiteral("Quelvar Datei (*.QVR)|*.QVR"));
        QCOMPARE(request_.Title, QStringLiteral("'Default value' file"));
        // Cancelled: the box stays checked and OK waits for a file.
        QVERIFY(dialog_->CB_LoadThisFile->isChecked());
        QVERIFY(!dialog_->BUT_OK->isEnabled());
        QVERIFY(dialog_->CB_ForceRecommendedTransducer->isEnabled());
        answer_ = file_;
        dialog_->BUT_OpenDefaFile->click();
        QVERIFY(dialog_->BUT_OK->isEnabled());
        dialog_->CB_ForceRecommSoundpath->click();
        dialog_->BUT_OK->click();
        QCOMPARE(dialog_->result(), 1);
        TDefaValueFile options;
        dialog_->StoreToObject(options);
        QCOMPARE(options.FileName, file_);
        QVERIFY(options.TakeIt && options.FR_SOUNDPATH && !options.FR_TRANSD && !options.TakeThem);
    }

    void fileChoiceSpeaksTheDictionaryLanguage()
    {
        FakeDictionary dictionary;
        dictionary.entries = {{QStringLiteral("Quelvar Datei (*.QVR)|*.QVR"), QStringLiteral("Quelvar file (*.QVR)|*.QVR")}};
        dictionary.SetLanguage(2);
        SetFormsDictionary(&dictionary);
        TranslateForm(*dialog_);
        Show({});
        dialog_->CB_LoadThisFile->click();
        SetFormsDictionary(nullptr);
        TranslateForm(*dialog_);
        QCOMPARE(request_.Filter, QStringLiteral("Quelvar file (*.QVR)|*.QVR"));
    }

    void uncheckingDisablesButKeepsTheStates()
    {
        TDefaValueFile options{file_, true, true, true, true};
        Show(options);
        dialog_->CB_LoadThisFile->click();
        QCOMPARE(choices_, 0);
        QVERIFY(!dialog_->BUT_OpenDefaFile->isEnabled());
        QVERIFY(!dialog_->CB_ForceRecommSoundpath->isEnabled());
        QVERIFY(!dialog_->CB_ForceRecommendedTransducer->isEnabled());
        QVERIFY(dialog_->CB_AlwaysStartWithDefaultValues->isEnabled());
        QVERIFY(dialog_->CB_ForceRecommSoundpath->isChecked());
        QVERIFY(dialog_->CB_ForceRecommendedTransducer->isChecked());
        QVERIFY(dialog_->BUT_OK->isEnabled());
    }

    void missingFileRefusesToClose()
    {
        TDefaValueFile options;
        options.TakeIt = true;
        options.FileName = dir_.filePath(QStringLiteral("gone.QVR"));
        Show(options);
        dialog_->done(1);
        QVERIFY(dialog_->isVisible());
        QCOMPARE(messages_, QStringList{QStringLiteral("Can not find file ") + options.FileName});
        dialog_->done(2);  // Cancel closes without a check
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(messages_.size(), 1);
    }

    void enterInTheFileNameOpensTheChoice()
    {
        TDefaValueFile options;
        options.TakeIt = true;
        options.FileName = file_;
        Show(options);
        dialog_->EDI_Filename->setFocus();
        QTest::keyClick(dialog_->EDI_Filename, Qt::Key_Return);
        QCOMPARE(choices_, 1);
        QCOMPARE(request_.FileName, QStringLiteral("DefaultValues.QVR"));
        QCOMPARE(request_.InitialDir, dir_.path());
        QVERIFY(dialog_->isVisible());
    }

    void longPathIsShortenedToTheField()
    {
        const QString deep = QStringLiteral("/data").repeated(40) + QStringLiteral("/DefaultValues.QVR");
        Show({deep, false, false, false, false});
        const QString shown = dialog_->EDI_Filename->text();
        QVERIFY(shown.startsWith(QStringLiteral("/...")));
        QVERIFY(shown.endsWith(QStringLiteral("/DefaultValues.QVR")));
        QVERIFY(dialog_->EDI_Filename->fontMetrics().horizontalAdvance(shown) <= dialog_->LabPath->width());
        QCOMPARE(dialog_->FileName(), deep);
    }
};

QTEST_MAIN(DefaulFileOptionsTest)
#include "DefaulFileOptionsTest.moc"
