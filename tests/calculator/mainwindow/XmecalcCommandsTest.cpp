// The main window's file, settings and start-up commands, driven through its actions with a
// file-dialog provider and a message hook that answer without dialogs.

#include "calculator/forms/D_NormVolume.h"
#include "calculator/forms/FileDialogs.h"
#include "calculator/mainwindow/StartupForms.h"
#include "calculator/mainwindow/Xmecalc.h"
#include "calculator/mainwindow/XmecalcCommands.h"
#include "formbase/FormRegistry.h"
#include "platform/FormatSettings.h"
#include "platform/MessageBox.h"
#include "report/d_reportform.h"
#include "transducer/OemVariant.h"

#include "FakeDictionary.h"
#include "ModalDriver.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <tuple>

class XmecalcCommandsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FormatSettingsScope> formats_;
    std::unique_ptr<TFormRegistry> forms_;
    std::unique_ptr<QTemporaryDir> dir_;
    TXmeCalcDlg* window_ = nullptr;
    QStringList messages_;
    QList<TFileDialogRequest> requests_;
    std::optional<QString> answer_;

    QString Path(const char* name) const { return dir_->filePath(QString::fromLatin1(name)); }
    // The measuring point as its file would hold it, without the mass flow: that is derived
    // again on loading, from the volume flow's 15 digits.
    QString PointText() const
    {
        IniFile ini = IniFile::FromBytes({});
        WriteMeasuringPoint(ini, window_->Point.Record(), window_->Commands->Report, QString());
        ini.DeleteKey(QStringLiteral("FLOW"), QStringLiteral("MASSFL"));
        return QString::fromUtf8(ini.ToBytes());
    }
    void NewWindow()
    {
        forms_.reset();  // one registry at a time
        forms_ = std::make_unique<TFormRegistry>();
        CreateStartupForms(*forms_);
        window_ = XmeCalcDlg();
        window_->Commands->SettingsFile = Path("Quelvar.ini");
        window_->Commands->Arguments.clear();
    }

private slots:
    void init()
    {
        formats_ = std::make_unique<FormatSettingsScope>(TFormatSettings());
        dir_ = std::make_unique<QTemporaryDir>();
        IsOemVariant = 0;
        messages_.clear();
        requests_.clear();
        answer_.reset();
        SetFileDialogProvider([this](QWidget*, const TFileDialogRequest& request) {
            requests_ << request;
            return answer_;
        });
        SetMessageHook([this](const MessageRequest& request) {
            messages_ << request.text;
            return true;
        });
        NewWindow();
    }

    void cleanup()
    {
        forms_.reset();
        SetFileDialogProvider({});
        SetMessageHook(nullptr);
        formats_.reset();
    }

    // A saved point opens again as it was, also over an edit that has the focus: committing
    // that edit's old text must not put the old value back.
    void savedPointOpensAgainWithItsVolumeUnit_data()
    {
        QTest::addColumn<QString>("focused");
        QTest::newRow("no focus") << QString();
        QTest::newRow("volume flow") << QStringLiteral("INP_Volume");
        QTest::newRow("temperature") << QStringLiteral("INP_FluidTemp");
        QTest::newRow("mass flow") << QStringLiteral("INP_MassFl");
    }

    void savedPointOpensAgainWithItsVolumeUnit()
    {
        QFETCH(QString, focused);
        if (!focused.isEmpty()) {
            window_->show();
            window_->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window_));
        }
        window_->Point.SelectUnit(TQuantity::VolumeFlow, 16);  // hl/h: list position 7
        window_->Point.ApplyValue(TQuantity::Temperature, 55.0);
        window_->Point.ApplyValue(TQuantity::VolumeFlow, 3 * window_->Point.VolumeFlow());
        window_->Render(true);
        const QString saved = PointText();
        answer_ = Path("point.QVR");
        window_->ACT_SaveToQVFile->trigger();
        QVERIFY(requests_.last().Mode == TFileDialogRequest::TMode::Save);
        QCOMPARE(requests_.last().Title, QStringLiteral("Quelvar Datei speichern"));
        QCOMPARE(window_->Commands->LastSaveFolder, dir_->path() + QLatin1Char('/'));
        window_->ACT_Standardwerte->trigger();
        QVERIFY(PointText() != saved);
        if (!focused.isEmpty())
            window_->findChild<QLineEdit*>(focused)->setFocus(Qt::TabFocusReason);
        window_->ACT_OpenQVFile->trigger();
        QCOMPARE(requests_.last().Title, QStringLiteral("Quelvar Datei öffnen"));
        QCOMPARE(PointText(), saved);
        QVERIFY(window_->CBX_ME_VOLUME->currentData().toInt() == 16 && window_->CBX_ME_VOLUME->currentIndex() == 7);
        QCOMPARE(window_->INP_FluidTemp->text(), QStringLiteral("55.0"));
        QCOMPARE(messages_, QStringList());
        if (focused == QLatin1String("INP_MassFl"))  // the focused field keeps its colour
            QCOMPARE(window_->INP_MassFl->palette().color(QPalette::Base), QColor(255, 255, 0));
    }

    // File dialogs and file messages speak the dictionary's language; a foreign or huge
    // file changes nothing, and a failed save leaves the previous file.
    void fileDialogsAndMessages()
    {
        FakeDictionary dictionary;
        dictionary.entries = {
            {QStringLiteral("Quelvar Datei (*.QVR)|*.QVR"), QStringLiteral("Quelvar file (*.QVR)|*.QVR")},
            {QStringLiteral("Quelvar Datei öffnen"), QStringLiteral("Open Quelvar file")},
            {QStringLiteral("not a measuring-point file"), QStringLiteral("keine Messstellendatei")},
            {QStringLiteral("Cannot write \"%s\": %s"), QStringLiteral("\"%s\" kann nicht geschrieben werden: %s")}};
        dictionary.SetLanguage(2);
        window_->ShareDictionary(&dictionary);
        const QString before = PointText();
        for (const QByteArray& bytes : {QByteArray("just text"), QByteArray(2 * 1024 * 1024, '[')}) {
            QFile file(Path("bad.QVR"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            file.close();
            answer_ = file.fileName();
            window_->ACT_OpenQVFile->trigger();
            QVERIFY2(messages_.last().endsWith(QStringLiteral(": keine Messstellendatei")), qPrintable(messages_.last()));
            QCOMPARE(PointText(), before);
        }
        answer_ = Path("missing/folder.QVR");
        window_->ACT_SaveToQVFile->trigger();
        window_->ShareDictionary(nullptr);
        QCOMPARE(messages_.size(), 3);
        QVERIFY(messages_.last().contains(QStringLiteral("folder.QVR\" kann nicht geschrieben werden: ")));
        QCOMPARE(requests_[0].Title, QStringLiteral("Open Quelvar file"));
        for (const TFileDialogRequest& request : requests_)
            QCOMPARE(request.Filter, QStringLiteral("Quelvar file (*.QVR)|*.QVR"));
    }

    // A file with a value out of range and one unreadable loads the rest and names, in one
    // message, the values it left; a negative fixed spacing is sound and comes back.
    void openedFileNamesTheValuesItIgnored()
    {
        IniFile ini = IniFile::FromBytes(PointText().toUtf8());
        ini.WriteString(QStringLiteral("PIPEFL"), QStringLiteral("DN"), QStringLiteral("-5"));
        ini.WriteString(QStringLiteral("MEDIUM"), QStringLiteral("TEMP"), QStringLiteral("warm"));
        ini.WriteBool(QStringLiteral("TRANSD"), QStringLiteral("FIXED"), true);
        ini.WriteString(QStringLiteral("TRANSD"), QStringLiteral("FIXDIST"), QStringLiteral("-20*5"));
        ini.WriteString(QStringLiteral("MEDIUM"), QStringLiteral("PRESS"), QStringLiteral("7*5"));
        QFile file(Path("partly.QVR"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ini.ToBytes());
        file.close();
        const double diameter = window_->Point.Record().InnerDiameterMm;
        const double temperature = window_->Point.Record().Temperature;
        answer_ = file.fileName();
        window_->ACT_OpenQVFile->trigger();
        QCOMPARE(messages_.size(), 1);
        QVERIFY2(messages_[0].endsWith(QStringLiteral("(out of range or unreadable): MEDIUM TEMP, PIPEFL DN")),
                 qPrintable(messages_[0]));
        QCOMPARE(window_->Point.Record().InnerDiameterMm, diameter);
        QCOMPARE(window_->Point.Record().Temperature, temperature);
        QCOMPARE(window_->Point.Record().FixedSpacing, -20.5);
        QCOMPARE(window_->Point.Record().Pressure, 7.5);
    }

    void saveAsDefaultAsksOnceThenOverwrites()
    {
        answer_ = Path("DefaultValues.QVR");
        window_->ACT_SaveAsDefault->trigger();
        QCOMPARE(requests_.last().FileName, QStringLiteral("DefaultValues.QVR"));
        QVERIFY(window_->Commands->DefaFile.TakeIt);
        QCOMPARE(window_->ACT_SaveAsDefault->toolTip(), Path("DefaultValues.QVR"));
        window_->Point.ApplyValue(TQuantity::Temperature, 33.0);
        window_->ACT_SaveAsDefault->trigger();
        QCOMPARE(requests_.size(), 1);
        // The standard values now end with the default file.
        window_->Point.ApplyValue(TQuantity::Temperature, 44.0);
        window_->ACT_Standardwerte->trigger();
        QCOMPARE(window_->INP_FluidTemp->text(), QStringLiteral("33.0"));
    }

    void settingsSurviveARestart()
    {
        window_->Point.ApplyValue(TQuantity::Pressure, 7.0);
        window_->Point.ApplyValue(TQuantity::VolumeFlow, 2 * window_->Point.VolumeFlow());
        window_->Point.SetDynViscosityVisible(true);
        window_->Commands->LastOpenFolder = QStringLiteral("/points/");
        window_->Commands->Report.Editor = QStringLiteral("Ann");
        window_->Commands->Report.Customer = QStringLiteral("not from settings");
        const QString saved = PointText();
        QVERIFY(window_->Commands->SaveSettings());
        IniFile kept(Path("Quelvar.ini"));
        kept.WriteString(QStringLiteral("OTHER"), QStringLiteral("KEY"), QStringLiteral("kept"));
        QVERIFY(kept.UpdateFile());

        NewWindow();
        window_->INP_Volume->setFocus(Qt::OtherFocusReason);  // its old text must not win
        window_->show();  // the first showing reads the settings
        QCOMPARE(window_->Commands->LastOpenFolder + window_->Commands->Report.Editor, QStringLiteral("/points/Ann"));
        QCOMPARE(window_->Commands->Report.Customer, QString());
        QVERIFY(!window_->ACT_ViskDynamic->isEnabled() && window_->ACT_ViskKinematic->isEnabled());
        window_->Commands->Report.Customer = QStringLiteral("not from settings");
        QCOMPARE(PointText(), saved);
        window_->close();  // writes the settings again, keeping what it does not write
        QCOMPARE(IniFile(Path("Quelvar.ini")).ReadString(QStringLiteral("OTHER"), QStringLiteral("KEY"), {}),
                 QStringLiteral("kept"));
        // A settings file that cannot be written is reported once.
        window_->Commands->SettingsFile = Path("missing/Quelvar.ini");
        QVERIFY(!window_->Commands->SaveSettings());
        QCOMPARE(messages_.size(), 1);
    }

    // The folder of the last report saved comes back from the report, goes into the
    // settings at close and is taken again at the next start.
    void reportFolderSurvivesARestart()
    {
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("reports")));
        const QString folder = Path("reports/");
        QVERIFY(RunModal<TDLG_reportform>([this] { window_->ACT_Report->trigger(); },
                                          [&](TDLG_reportform& form) { form.SaveReportTo(folder + "r.txt"); }));
        QCOMPARE(window_->Commands->LastReportFolder, folder);
        window_->close();  // writes the settings

        NewWindow();
        QCOMPARE(window_->Commands->LastReportFolder, QString());
        window_->show();  // reads them
        QCOMPARE(window_->Commands->LastReportFolder, folder);
    }

    void startWithDefaultValuesTakesTheDefaultFile()
    {
        window_->Point.ApplyValue(TQuantity::Temperature, 66.0);
        QVERIFY(SaveMeasuringPointFile(Path("d.QVR"), window_->Point.Record(), {}, QString(), nullptr));
        window_->Point.ApplyValue(TQuantity::Temperature, 22.0);
        window_->Commands->DefaFile = {Path("d.QVR"), true, true, false, false};
        QVERIFY(window_->Commands->SaveSettings());
        NewWindow();
        window_->show();
        QCOMPARE(window_->Point.Temperature(), 66.0);
    }

    void commandLineChoosesTheView()
    {
        // Arguments, then full view, "RD", error estimation.
        const std::tuple<QStringList, bool, bool, bool> cases[] = {
            {{}, false, false, false},
            {{QLatin1Char('/') + ViewSwitchName(), QStringLiteral("/rd")}, true, true, false},
            {{QLatin1Char('/') + ExpertSwitchName()}, false, false, true}};
        for (const auto& [args, full, rd, estimation] : cases) {
            NewWindow();
            window_->Commands->Arguments = args;
            window_->show();
            QCOMPARE(int(window_->Point.ViewMode), full ? 1 : 0);
            QCOMPARE(!window_->KalfaktorPane->isHidden() && !window_->PAN_AllAREA->isHidden(), full);
            QCOMPARE(!window_->PAN_ReynoldInGRPMedium->isHidden(), !full);
            QCOMPARE(bool(window_->Point.ReynoldsDetails), rd);
            QCOMPARE(bool(window_->Point.ErrorEstimation), estimation);
        }
    }

    void normalizedVolumeTakesItsValuesBack()
    {
        TDLG_NormVolume* dialog = DLG_NormVolume();
        const double volume = window_->Point.VolumeFlow();
        const double density = window_->Point.Density();
        RunModalCommand([this] { window_->Button2->click(); }, [dialog](QDialog&) {
            dialog->CB_EditNormConditions->click();
            dialog->INP_FluidDruck->setText(QStringLiteral("4"));
            dialog->INP_FluidTemp->setText(QStringLiteral("80"));
            dialog->INP_NormTemp->setText(QStringLiteral("0"));
            dialog->BUT_OK->click();
        });
        QCOMPARE(window_->Point.Pressure() + window_->Point.Temperature(), 84.0);
        QVERIFY(window_->Point.Density() < density);  // the medium at 80 °C
        QVERIFY(window_->Point.NormTemperature == 0.0 && window_->Point.VolumeFlow() == volume);
        QCOMPARE(window_->INP_FluidDruck->text(), QStringLiteral("4.0"));
        RunModalCommand([this] { window_->ACT_NormalizedVolumeflow->trigger(); }, [dialog](QDialog&) {
            dialog->INP_FluidDruck->setText(QStringLiteral("9"));
            dialog->BUT_Cancel->click();
        });
        QCOMPARE(window_->Point.Pressure(), 4.0);
    }
};

QTEST_MAIN(XmecalcCommandsTest)
#include "XmecalcCommandsTest.moc"
