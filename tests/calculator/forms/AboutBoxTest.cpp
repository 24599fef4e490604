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

    // The own brand opens its address on a click; the partner brand shows its own title and
    // texts, and no address.
    void ownAndPartnerBrand()
    {
        QList<QUrl> opened;
        TAboutBox::SetUrlOpener([&opened](const QUrl& url) { return opened << url, true; });
        auto own = CreateDialog<TAboutBox>();
        QCOMPARE(own->LAB_ProgName->Caption(), QStringLiteral("Quelvar "));
        QCOMPARE(own->Version->text(), QStringLiteral("Version 2.37"));
        QCOMPARE(own->LAB_ProgName->ShadowPos(), spRightBottom);
        QVERIFY(!own->ProgramIcon->pixmap().isNull());
        QVERIFY(!own->LabelWWW->isHidden() && !own->LAB_wwwLAB->isHidden());
        QTest::mouseClick(own->LabelWWW, Qt::LeftButton);
        QVERIFY(opened == QList<QUrl>{QUrl(own->LabelWWW->text())} && opened.first().isValid());
        IsOemVariant = 1;
        QCoreApplication::setApplicationName(QStringLiteral("VK_RT"));
        QVERIFY(RunModal<TAboutBox>([] { ShowAboutBox(nullptr); }, [&own](TAboutBox& box) {
            QCOMPARE(box.LAB_ProgName->Caption(), QStringLiteral("VK_RT"));
            QVERIFY(box.LabelWWW->isHidden() && box.LAB_wwwLAB->isHidden());
            const QString copyright = box.Copyright->text();
            QVERIFY(!copyright.isEmpty() && copyright != own->Copyright->text() && !copyright.contains("Quelvar"));
            QVERIFY(!box.Disclaimer->text().isEmpty() && box.Disclaimer->text() != own->Disclaimer->text());
        }));
    }

    // The start-up forms, every dialog made on demand, and the coefficient list, which is no
    // base form.
    void everyFormCarriesTheProgramIcon()
    {
        TFormRegistry forms;
        CreateStartupForms(forms);
        std::vector<QDialog*> all(forms.Forms().begin(), forms.Forms().end());
        const auto made = std::tuple{CreateDialog<TAboutBox>(), CreateDialog<TDLG_DefaultFileOptions>(),
                                     CreateDialog<TDLG_InputGrenzen>(), CreateDialog<TDLG_InpDruck>(),
                                     CreateDialog<TDLG_Kalfaktordiagramm>(), CreateDialog<TDLG_MemoInfo>(),
                                     CreateDialog<TDLG_ErrorTextInfo>(), CreateDialog<TDLG_InputSensorAbstand>(),
                                     CreateDialog<TDLG_MountingInfo>(), CreateDialog<TDLG_SensorAbstand>(),
                                     CreateDialog<TDLG_SensorAuswahl>(), CreateDialog<TDLG_reportform>(),
                                     std::make_unique<TDLG_Koeffs>()};
        std::apply([&all](const auto&... dialog) { (all.push_back(dialog.get()), ...); }, made);
        for (const QDialog* form : all)
            QVERIFY2(form->windowIcon().cacheKey() == ProgramIcon().cacheKey(), form->metaObject()->className());
    }
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
