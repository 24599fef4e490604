// The About box in both brands, and the program icon it shares with every form.

#include "calculator/forms/AboutQuelvar.h"

#include "calculator/forms/D_DefaulFileOptions.h"
#include "calculator/forms/InpDiagGrenzen.h"
#include "calculator/forms/InpDruck.h"
#include "calculator/forms/KalfaktorDiagr.h"
#include "calculator/forms/KoeffInfo.h"
#include "calculator/mainwindow/StartupForms.h"
#include "components/CECtrls.h"
#include "formbase/D_MemoInfo.h"
#include "formbase/DialogFactory.h"
#include "formbase/FormRegistry.h"
#include "formbase/MultForm.h"
#include "formbase/ProgramIcon.h"
#include "report/d_reportform.h"
#include "transducer/D_ErrorTextInfos.h"
#include "transducer/D_InputSensorAbstand.h"
#include "transducer/D_MountingInfo.h"
#include "transducer/D_SensorAbstand.h"
#include "transducer/D_SensorAuswahl.h"
#include "transducer/OemVariant.h"

#include "ModalDriver.h"

#include <QLabel>
#include <QUrl>

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        TAboutBox::SetUrlOpener(nullptr);
        IsOemVariant = 0;
        QCoreApplication::setApplicationName(QStringLiteral("Quelvar"));
    }

    void ownBrandOpensItsAddressOnClick()
    {
        QList<QUrl> opened;
        TAboutBox::SetUrlOpener([&opened](const QUrl& url) { return opened << url, true; });
        auto box = CreateDialog<TAboutBox>();
        QCOMPARE(box->Version->text(), QStringLiteral("Version 2.37"));
        QCOMPARE(box->LAB_ProgName->Caption(), QStringLiteral("Quelvar "));
        QCOMPARE(box->LAB_ProgName->ShadowPos(), spRightBottom);
        QVERIFY(!box->ProgramIcon->pixmap().isNull());
        QVERIFY(!box->LabelWWW->isHidden() && !box->LAB_wwwLAB->isHidden());
        QTest::mouseClick(box->LabelWWW, Qt::LeftButton);
        QCOMPARE(opened, QList<QUrl>{QUrl(box->LabelWWW->text())});
        QVERIFY(opened.first().isValid());
    }

    void partnerBrandShowsItsTitleAndTextsAndNoAddress()
    {
        auto own = CreateDialog<TAboutBox>();
        IsOemVariant = 1;
        QCoreApplication::setApplicationName(QStringLiteral("VK_RT"));
        QString name, copyright, disclaimer;
        QVERIFY(RunModal<TAboutBox>([] { ShowAboutBox(nullptr); }, [&](TAboutBox& box) {
            name = box.LAB_ProgName->Caption();
            copyright = box.Copyright->text();
            disclaimer = box.Disclaimer->text();
            QVERIFY(box.LabelWWW->isHidden() && box.LAB_wwwLAB->isHidden());
        }));
        QCOMPARE(name, QStringLiteral("VK_RT"));
        QVERIFY(!copyright.isEmpty() && copyright != own->Copyright->text() && !copyright.contains(QStringLiteral("Quelvar")));
        QVERIFY(!disclaimer.isEmpty() && disclaimer != own->Disclaimer->text());
    }

    void everyFormCarriesTheProgramIcon()
    {
        TFormRegistry forms;
        CreateStartupForms(forms);
        std::vector<std::unique_ptr<QDialog>> made;
        made.push_back(CreateDialog<TAboutBox>());
        made.push_back(CreateDialog<TDLG_DefaultFileOptions>());
        made.push_back(CreateDialog<TDLG_InputGrenzen>());
        made.push_back(CreateDialog<TDLG_InpDruck>());
        made.push_back(CreateDialog<TDLG_Kalfaktordiagramm>());
        made.push_back(CreateDialog<TDLG_MemoInfo>());
        made.push_back(CreateDialog<TDLG_ErrorTextInfo>());
        made.push_back(CreateDialog<TDLG_InputSensorAbstand>());
        made.push_back(CreateDialog<TDLG_MountingInfo>());
        made.push_back(CreateDialog<TDLG_SensorAbstand>());
        made.push_back(CreateDialog<TDLG_SensorAuswahl>());
        made.push_back(CreateDialog<TDLG_reportform>());
        made.push_back(std::make_unique<TDLG_Koeffs>());  // no base form
        std::vector<QDialog*> all(forms.Forms().begin(), forms.Forms().end());
        for (const auto& dialog : made)
            all.push_back(dialog.get());
        for (const QDialog* form : all)
            QVERIFY2(form->windowIcon().cacheKey() == ProgramIcon().cacheKey(), form->metaObject()->className());
    }
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
