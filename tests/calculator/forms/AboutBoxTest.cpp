// The About box in both brands.

#include "calculator/forms/AboutQuelvar.h"

#include "formbase/DialogFactory.h"
#include "components/CECtrls.h"
#include "transducer/OemVariant.h"

#include <QLabel>
#include <QtTest>
#include <QUrl>

class AboutBoxTest : public QObject {
    Q_OBJECT

private:
    QList<QUrl> opened_;

private slots:
    void init()
    {
        opened_.clear();
        TAboutBox::SetUrlOpener([this](const QUrl& url) {
            opened_ << url;
            return true;
        });
    }

    void cleanup()
    {
        TAboutBox::SetUrlOpener(nullptr);
        IsOemVariant = 0;
    }

    void ownBrandOpensItsAddressOnClick()
    {
        IsOemVariant = 0;
        auto box = CreateDialog<TAboutBox>();
        QCOMPARE(box->windowTitle(), QStringLiteral("Information"));
        QCOMPARE(box->Version->text(), QStringLiteral("Version 2.37"));
        QCOMPARE(box->LAB_ProgName->Caption(), QStringLiteral("Quelvar "));
        QVERIFY(!box->LabelWWW->isHidden());
        QVERIFY(!box->LAB_wwwLAB->isHidden());
        QTest::mouseClick(box->LabelWWW, Qt::LeftButton);
        QCOMPARE(opened_, QList<QUrl>{QUrl(box->LabelWWW->text())});
        QVERIFY(opened_.first().isValid());
    }

    void partnerBrandShowsItsOwnTextsAndNoAddress()
    {
        IsOemVariant = 0;
        auto own = CreateDialog<TAboutBox>();
        IsOemVariant = 1;
        auto partner = CreateDialog<TAboutBox>();
        QVERIFY(partner->LabelWWW->isHidden() && partner->LAB_wwwLAB->isHidden());
        QVERIFY(!partner->Copyright->text().isEmpty());
        QVERIFY(!partner->Disclaimer->text().isEmpty());
        QVERIFY(partner->Copyright->text() != own->Copyright->text());
        QVERIFY(partner->Disclaimer->text() != own->Disclaimer->text());
        QVERIFY(!partner->Copyright->text().contains(QStringLiteral("Quelvar")));
    }
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
