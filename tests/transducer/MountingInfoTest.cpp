// The mounting information offscreen: the page for the mode and the pictures read through
// the program's own GIF reader.

#include "transducer/D_MountingInfo.h"

#include "formbase/DialogFactory.h"

#include "ModalDriver.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

class MountingInfoTest : public QObject {
    Q_OBJECT

private slots:
    void pageForTheModeAndPictures()
    {
        const struct {
            int paths;
            double spacing;
            const char* page;
        } rows[] = {{2, 50.0, "Reflex"},      {2, -3.0, "Reflex"},       {4, 0.0, "Reflex"},
                    {1, 0.0, "Face to Face"}, {3, 12.0, "Face to Face"}, {1, -0.5, "Face to Face (T<0)"}};
        auto dialog = CreateDialog<TDLG_MountingInfo>();
        for (const auto& r : rows) {
            dialog->SelectPage(r.paths, r.spacing);
            QCOMPARE(dialog->PageControl->tabText(dialog->PageControl->currentIndex()), QString::fromLatin1(r.page));
        }
        QCOMPARE(dialog->Image4->pixmap().size(), QSize(240, 156));
        QCOMPARE(dialog->Image1->pixmap().size(), QSize(240, 156));
        QCOMPARE(dialog->Image5->pixmap().size(), QSize(241, 156));
        QVERIFY(dialog->BUT_OK->isHidden());
        QCOMPARE(RunModal(*dialog, [&] { QTest::mouseClick(dialog->BUT_Cancel, Qt::LeftButton); }), 2);
    }
};

QTEST_MAIN(MountingInfoTest)
#include "MountingInfoTest.moc"
