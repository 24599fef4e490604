// Qt's file and font dialogs in English and German through the dialog module: labels,
// buttons, caption (a caller's title kept), file-list headers and tool tips, texts unchanged
// with the dictionary closed, every dialog taken over afresh.

#include "ProgramDictionaryScope.h"
#include "translation/MlDlgMod.h"

#include <QtWidgets>
#include <QtTest>

namespace {

// What a user reads on a file dialog: caption, the three labels, the two buttons, the
// first four column headers and two tool tips.
QStringList FileDialogTexts(QFileDialog& dialog)
{
    QStringList texts = {dialog.windowTitle()};
    for (const char* name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
        texts << dialog.findChild<QLabel*>(QLatin1String(name))->text();
    for (QAbstractButton* button : dialog.findChild<QDialogButtonBox*>()->buttons())
        texts << button->text();
    const auto* tree = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    for (int i = 0; i < 4; ++i)
        texts << tree->model()->headerData(i, Qt::Horizontal).toString();
    for (const char* name : {"toParentButton", "newFolderButton"})
        texts << dialog.findChild<QToolButton*>(QLatin1String(name))->toolTip();
    return texts;
}

}  // namespace

class CommonDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { scope_ = std::make_unique<TProgramDictionaryScope>(); }
    void cleanup() { scope_.reset(); }

    void fileDialogs_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("open, English") << 2 << false << QString()
            << QStringList{"Open", "Look in:", "File &name:", "Files of type:", "&Open", "Cancel",
                           "Name", "Size", "Type", "Modified", "Up One Level", "Create New Folder"};
        QTest::newRow("open, German, own title") << 1 << false << QStringLiteral("Messstelle laden")
            << QStringList{"Messstelle laden", "Suchen in:", "Datei&name:", "Dateityp:", "&Öffnen", "Abbrechen",
                           "Name", "Größe", "Typ", "Geändert am", "Eine Ebene nach oben", "Neuen Ordner erstellen"};
        QTest::newRow("save, German") << 1 << true << QString()
            << QStringList{"Speichern unter", "Speichern in:", "Datei&name:", "Dateityp:", "&Speichern", "Abbrechen",
                           "Name", "Größe", "Typ", "Geändert am", "Eine Ebene nach oben", "Neuen Ordner erstellen"};
    }

    void fileDialogs()
    {
        QFETCH(int, language);
        QFETCH(bool, save);
        QFETCH(QString, title);
        QFETCH(QStringList, texts);
        scope_->Dictionary->SetLanguage(language);
        // Twice: each dialog is taken over afresh, and a save dialog keeps its button text.
        for (int round = 0; round < 2; ++round) {
            QFileDialog dialog(nullptr, title);
            dialog.setOption(QFileDialog::DontUseNativeDialog);
            dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
            dialog.show();
            QCOMPARE(FileDialogTexts(dialog), texts);
            // A label shows "&" literally unless a buddy takes its accelerator.
            for (const QLabel* label : dialog.findChildren<QLabel*>())
                QVERIFY2(label->buddy() || !label->text().contains(QLatin1Char('&')), qPrintable(label->text()));
            dialog.selectFile(QStringLiteral("Messstelle.qvr"));
            QApplication::processEvents();
            QCOMPARE(dialog.findChild<QDialogButtonBox*>()->buttons().first()->text(), texts[4]);
        }
    }

    void germanFontDialog()
    {
        scope_->Dictionary->SetLanguage(1);
        QFontDialog dialog;
        dialog.setOption(QFontDialog::DontUseNativeDialog);
        dialog.show();
        QStringList texts = {dialog.windowTitle()};
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            texts << label->text();
        for (const QGroupBox* group : dialog.findChildren<QGroupBox*>())
            texts << group->title();
        for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
            texts << button->text();
        QCOMPARE(texts.first(), QStringLiteral("Schriftart"));
        for (const char* text : {"&Schriftart:", "Schrifts&til:", "&Größe:", "Effekte", "Beispiel",
                                 "&Durchgestrichen", "&Unterstrichen", "Sk&ript:", "OK", "Abbrechen"})
            QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
    }

    void closedDictionaryLeavesTheTexts()
    {
        scope_->Dictionary->Close();
        QFileDialog dialog(nullptr, QString());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        const QStringList qtTexts = FileDialogTexts(dialog);
        dialog.show();
        QCOMPARE(FileDialogTexts(dialog), qtTexts);
        QVERIFY(!dialog.findChild<TMlCommonDialog*>());
    }

private:
    std::unique_ptr<TProgramDictionaryScope> scope_;
};

QTEST_MAIN(CommonDialogsTest)
#include "CommonDialogsTest.moc"
