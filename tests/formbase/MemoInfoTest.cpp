// The text window.

#include "formbase/D_MemoInfo.h"

#include "formbase/DialogFactory.h"

#include "ModalDriver.h"

#include <QPlainTextEdit>
#include <QPushButton>

class MemoInfoTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheTextReadOnlyUntilOk()
    {
        auto dialog = CreateDialog<TDLG_MemoInfo>();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Info"));
        dialog->DasMemo->setPlainText(QStringLiteral("ALPHA\t12.5\nBETA\t3.0"));
        QVERIFY(dialog->DasMemo->isReadOnly());
        QCOMPARE(dialog->DasMemo->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(RunModal(*dialog, [&] { QTest::mouseClick(dialog->BUT_OK, Qt::LeftButton); }), 1);
        QCOMPARE(dialog->DasMemo->toPlainText(), QStringLiteral("ALPHA\t12.5\nBETA\t3.0"));
    }
};

QTEST_MAIN(MemoInfoTest)
#include "MemoInfoTest.moc"
