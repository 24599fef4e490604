// The main window driven as a user would: the start-up forms, the standard point, typed
// input, range errors, unit keys, hold boxes, the medium list, the action images and the
// dialogs the window opens. Checks of what the user sees after leaving a control run the
// event loop first: the deferred focus return happens there.

#include "calculator/core/SettingsFile.h"
#include "components/CESpin.h"
#include "calculator/forms/D_NormVolume.h"
#include "calculator/forms/Reynlimi.h"
#include "calculator/forms/Rohgeometrie.h"
#include "calculator/mainwindow/Logos.h"
#include "calculator/mainwindow/OemDetect.h"
#include "calculator/mainwindow/StartupForms.h"
#include "calculator/mainwindow/Xmecalc.h"
#include "calculator/mainwindow/XmecalcLanguage.h"
#include "formbase/FormRegistry.h"
#include "grids/SortGrid.h"
#include "platform/FormatSettings.h"
#include "platform/IniFile.h"
#include "platform/MessageBeep.h"
#include "report/d_reportform.h"
#include "transducer/OemVariant.h"

#include "FakeDictionary.h"
#include "ModalDriver.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QGroupBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolButton>
#include <QtTest>

#include <cmath>
#include <memory>
#include <string>
#include <tuple>

namespace {

const QColor kRed(255, 0, 0);

QColor TextColor(const QWidget* widget) { return widget->palette().color(QPalette::WindowText); }
QColor BaseColor(const QWidget* widget) { return widget->palette().color(QPalette::Base); }
QImage Image(const QIcon& icon) { return icon.pixmap(16).toImage(); }

}  // namespace

class XmecalcTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FormatSettingsScope> formats_;
    std::unique_ptr<TFormRegistry> forms_;
    TXmeCalcDlg* window_ = nullptr;

    // Shows the main window active, so focus changes reach its edits.
    void ShowWindow()
    {
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
    }

    // Replaces the edit's text as typed and moves the focus on to `next`.
    void TypeAndLeave(QLineEdit* edit, const QString& text, QWidget* next)
    {
        edit->setFocus(Qt::TabFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        next->setFocus(Qt::TabFocusReason);
    }


    // The visible markers, by name.
    QStringList Markers() const
    {
        QStringList shown;
        for (QLabel* marker : {window_->ResIs_Veloc, window_->ResIs_VOLUME, window_->ResIs_MassFL, window_->ResIs_IDM,
                               window_->ResIs_QUER, window_->ResIs_Dichte})
            if (!marker->isHidden())
                shown << marker->objectName();
        return shown;
    }

    // Runs the flow-profile dialog from the result pane; `act` answers it.
    void RunFlowProfile(const std::function<void(TReynolDLG&)>& act)
    {
        TReynolDLG* dialog = ReynolDLG();
        QVERIFY(RunModalCommand([this] { window_->HOTSPOT_Kalfaktor->click(); },
                                [&](QDialog&) { act(*dialog); }));
    }

private slots:
    void initTestCase()
    {
        // The window reads and writes its settings file: keep the user's out of the tests.
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(IniFile::ResolvePath(SettingsFileName));
    }

    void init()
    {
        formats_ = std::make_unique<FormatSettingsScope>(TFormatSettings());
        SetMessageBeepHandler(nullptr);
        IsOemVariant = 0;
        forms_ = std::make_unique<TFormRegistry>();
        CreateStartupForms(*forms_);
        window_ = XmeCalcDlg();
        QVERIFY(window_);
        ResetMessageBeepCount();
    }

    void cleanup()
    {
        forms_.reset();
        formats_.reset();
        window_ = nullptr;
    }

    // ---------------------------------------------------------------- start-up

    void formsAreCreatedInTheirOrderAndReachedThroughTheRegistry()
    {
        const auto& forms = forms_->Forms();
        QStringList classes;
        for (TMultilingualForm* form : forms) {
            classes << QString::fromLatin1(form->metaObject()->className());
            // Every form carries its translator and the button panel, hidden where the form
            // closes through its own buttons (the main window, flow profile and medium chart).
            QVERIFY(form->Translator);
            QCOMPARE(form->Panel_BUTTONS->isHidden(), form == forms[0] || form == forms[1] || form == forms[2]);
        }
        QCOMPARE(classes.join(' '), QStringLiteral("TXmeCalcDlg TReynolDLG TDLG_MedienInfo TDLG_Namensliste "
                                                   "TDLG_Rohrgeometrie TDLG_InputUserValue TDLG_ErrorDiagram "
                                                   "TDLG_NormVolume TDLG_SensorAbstand"));
        QCOMPARE(ReynolDLG(), forms[1]);
        forms_.reset();
        QVERIFY(!XmeCalcDlg() && !ReynolDLG());
        // The main window is created first: it works before the flow-profile dialog exists.
        TFormRegistry alone;
        auto* window = alone.CreateForm<TXmeCalcDlg>();
        QCOMPARE(window->ShLab_LamiTurbo->text(), QStringLiteral("--- TURBOLENTE STRÖMUNG --"));
    }

    void partnerBrandIsChosenByTheStartedName()
    {
        const std::pair<const char*, bool> names[] = {
            {"/opt/quelvar/Quelvar", false}, {"brandolflow.exe.bak", false}, {"/brandolflow/Quelvar", false},
            {"/usr/bin/brandolflow", true},  {"C:\\Programs\\BrandolFlow.EXE", true}};
        for (const auto& [name, partner] : names) {
            IsOemVariant = 0;
            QCOMPARE(DetectOemVariant(QString::fromLatin1(name)), !partner);
            QCOMPARE(bool(IsOemVariant), partner);
        }
        IsOemVariant = 0;
    }

    // The partner's window: its logo, the info command's image 31, its medium selection.
    void partnerBrandWindowShowsItsLogoImageAndMediumSelection()
    {
        QVERIFY(window_->ACT_Info->icon().isNull());
        TXmeCalcDlg oem(QStringLiteral("BRANDOLFLOW"));
        QVERIFY(oem.IMG_LOGO->isHidden() && !oem.IMG_BrandolfLogo->isHidden());
        QVERIFY(oem.BACK_Berechnen->isHidden() && !oem.BUT_Berechnen->isHidden());  // only the panel goes
        QCOMPARE(Image(oem.ACT_Info->icon()), Image(ActionImage(31)));
        QVERIFY(oem.COM_Medium->findData(10045) < 0 && oem.COM_Medium->findData(10040) >= 0);
        IsOemVariant = 0;
    }

    // The compute panel starts silver; every "=?" marker stands level with its edit's
    // text; the value panels show the widest texts of their format whole.
    void windowLooksAsDesigned()
    {
        QCOMPARE(window_->BACK_Berechnen->palette().color(QPalette::Window), QColor(192, 192, 192));
        ShowWindow();
        const std::pair<QLabel*, QLineEdit*> rows[] = {
            {window_->ResIs_Veloc, window_->INP_veloc}, {window_->ResIs_VOLUME, window_->INP_Volume},
            {window_->ResIs_MassFL, window_->INP_MassFl}, {window_->ResIs_IDM, window_->INP_IDM},
            {window_->ResIs_QUER, window_->INP_Quer}, {window_->ResIs_Dichte, window_->INP_Dichte}};
        for (auto [marker, edit] : rows) {
            marker->show();
            QCoreApplication::processEvents();
            const int markerY = marker->mapTo(window_, marker->rect().center()).y();
            const int editY = edit->mapTo(window_, edit->rect().center()).y();
            QVERIFY2(qAbs(markerY - editY) <= 1, qPrintable(marker->objectName()));
        }
        window_->PAN_Visk->setText(QStringLiteral("dynamic = 9.9880094E9 mPa*s"));  // fits whole
        QVERIFY(window_->PAN_Visk->sizeHint().width() <= window_->PAN_Visk->width());
    }

    // ---------------------------------------------------------------- standard point

    void standardPointIsShown()
    {
        QStringList edits;
        for (QLineEdit* edit : {window_->INP_Quer, window_->INP_veloc, window_->INP_Volume, window_->INP_IDM})
            edits << edit->text();
        QCOMPARE(edits.join(' '), QStringLiteral("78.5 1.000 28.274 100.0"));
        QCOMPARE(window_->ME_VELOC->currentText() + ' ' + window_->CBX_ME_VOLUME->currentText(),
                 QStringLiteral("m/s m³/h"));
        QCOMPARE(window_->CBX_ME_VOLUME->itemData(0).toInt(), 15);  // m³/day first
        QCOMPARE(window_->COM_Material->currentData().toInt() + window_->COM_Medium->currentData().toInt(), 10002);
        QVERIFY(window_->FIX_Quer->isChecked() && window_->INP_IDM->isReadOnly() && window_->PANGRP_DRUCK->isHidden());
        QCOMPARE(TextColor(window_->ShLab_LamiTurbo), QColor(0, 0, 0));
        QCOMPARE(window_->ShLab_LamiTurbo->text() + window_->ShLab_Reynold2->text() + window_->ShLab_Kalfaktor->text()
                     + window_->ShLab_Veloc->text(),
                 QStringLiteral("--- TURBOLENTE STRÖMUNG --101,297.0 0.939 1.065 m/s"));
    }

    // ---------------------------------------------------------------- typed input

    // Leaving (Tab), Enter and the compute button all take a typed value over; Enter keeps
    // the focus with the stored value selected, and Esc there restores it.
    void typedInputIsTakenOver()
    {
        ShowWindow();
        // Edit, text, how it is taken, then the volume flow and the medium.
        const std::tuple<QLineEdit*, const char*, const char*, const char*, int> rows[] = {
            {window_->INP_veloc, "2", "tab", "56.549", 10001}, {window_->INP_veloc, "0.5", "compute", "14.137", 10001},
            {window_->INP_Dichte, "999", "tab", "14.137", 10001}, {window_->INP_Dichte, "850", "tab", "14.137", 10000},
            {window_->INP_veloc, "3", "enter", "84.823", 10000}};
        for (const auto& [field, text, how, volume, medium] : rows) {
            field->setFocus(Qt::TabFocusReason);
            field->selectAll();
            QTest::keyClicks(field, QString::fromLatin1(text));
            if (how == std::string("tab"))
                window_->INP_Rauh->setFocus(Qt::TabFocusReason);
            else if (how == std::string("enter"))
                QTest::keyClick(field, Qt::Key_Return);
            else
                QTest::mouseClick(window_->BUT_Berechnen, Qt::LeftButton);
            QCOMPARE(window_->INP_Volume->text() + ' ' + QString::number(window_->COM_Medium->currentData().toInt()),
                     QString::fromLatin1(volume) + ' ' + QString::number(medium));
        }
        QCOMPARE(MessageBeepCount(), 0);
        QCOMPARE(window_->focusWidget(), static_cast<QWidget*>(window_->INP_veloc));
        QCOMPARE(window_->INP_veloc->selectedText(), QStringLiteral("3.000"));
        QTest::keyClicks(window_->INP_veloc, QStringLiteral("7"));
        QTest::keyClick(window_->INP_veloc, Qt::Key_Escape);
        QCOMPARE(window_->INP_veloc->text(), QStringLiteral("3.000"));
        QVERIFY(window_->isVisible());  // Esc does not close the main window
    }


    // The mass flow with the volume held gives the density; the viscosity that is not
    // shown follows it (η = ν · ρ), and so does the result pane.
    void massFlowWithTheVolumeHeldCouplesTheViscosities()
    {
        ShowWindow();
        for (const bool dynamicShown : {false, true}) {
            window_->ACT_Standardwerte->trigger();
            (dynamicShown ? window_->ACT_ViskDynamic : window_->ACT_ViskKinematic)->trigger();
            window_->FIX_Volume->click();
            TypeAndEnter(window_->INP_MassFl, QStringLiteral("-30"));
            QCOMPARE(window_->INP_Dichte->text() + ' ' + (dynamicShown ? window_->INP_Visk : window_->INP_ViskDYN)->text()
                         + ' ' + window_->ShLab_Reynold->text(),
                     dynamicShown ? QStringLiteral("1061 0.93 107,608.4 ") : QStringLiteral("1061 1.05 101,297.0 "));
        }
    }

    // The window writes a control only where it differs from the measuring point: the
    // caret and selection of the edit being typed in stay, and so does its uncommitted text.
    void renderingLeavesTheEditBeingTypedAlone()
    {
        ShowWindow();
        QLineEdit* edit = window_->INP_Dichte;
        edit->setFocus(Qt::TabFocusReason);
        edit->setSelection(1, 1);
        QTest::mouseClick(window_->GRP_MASSFL, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(window_->focusWidget(), static_cast<QWidget*>(edit));
        QCOMPARE(edit->selectionStart(), 1);
        QCOMPARE(edit->selectedText(), QStringLiteral("9"));
        QTest::keyClicks(edit, QStringLiteral("5"));
        QTest::mouseClick(window_->GRP_MASSFL, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(edit->text(), QStringLiteral("959"));
        QCOMPARE(edit->cursorPosition(), 2);
        QTest::keyClick(edit, Qt::Key_Escape);
        QCOMPARE(edit->text(), QStringLiteral("999"));
    }

    // A rejected diameter shows the limit in red and keeps the value. Whatever rewrites the
    // edit from the stored value ends the message: Esc, a language switch, a unit step.
    void rangeErrorShowsTheLimitInRedUntilTheEditIsRewritten()
    {
        ShowWindow();
        const std::tuple<QString, QString, QString, QString> rows[] = {
            {"0.05", "MIN: 0.1 ", "esc", "100.0"}, {"30000", "MAX: 20000 ", "esc", "100.0"},
            {"30000", "MAX: 20000 ", "language", "100.0"}, {"30000", "MAX: 20000 ", "unit", "3.94"}};
        for (const auto& [typed, message, rewrite, shown] : rows) {
            ResetMessageBeepCount();
            window_->ACT_Standardwerte->trigger();
            window_->FIX_VELOC->setChecked(true);  // the diameter edit takes input
            TypeAndLeave(window_->INP_IDM, typed, window_->INP_Rauh);
            QCOMPARE(window_->PAN_IDM->text(), message);
            QCOMPARE(TextColor(window_->PAN_IDM), kRed);
            QCOMPARE(MessageBeepCount(), 1);
            QCOMPARE(window_->INP_IDM->text(), typed);
            QTRY_COMPARE(window_->focusWidget(), static_cast<QWidget*>(window_->INP_IDM));
            QCOMPARE(window_->Point.InnerDiameter(), 1000.0);
            if (rewrite == QLatin1String("language"))
                DictionaryLanguageChange(*window_);
            else
                QTest::keyClick(window_->INP_IDM, rewrite == QLatin1String("esc") ? Qt::Key_Escape : Qt::Key_PageDown);
            QCOMPARE(window_->INP_IDM->text(), shown);
            QVERIFY(window_->PAN_IDM->text().startsWith(QStringLiteral("100.0 mm")));
            QVERIFY(TextColor(window_->PAN_IDM) != kRed);
            window_->INP_Rauh->setFocus(Qt::TabFocusReason);
            QCOMPARE(MessageBeepCount(), 1);
        }
    }

    void fahrenheitLimits()
    {
        ShowWindow();
        // In °F the limits are the converted ones, shown in the shared message panel.
        window_->INP_FluidTemp->setFocus(Qt::TabFocusReason);
        QTest::keyClick(window_->INP_FluidTemp, Qt::Key_PageDown);
        QCOMPARE(window_->INP_FluidTemp->text(), QStringLiteral("68.0"));
        TypeAndLeave(window_->INP_FluidTemp, QStringLiteral("573"), window_->INP_Rauh);
        QCOMPARE(window_->PAN_FluidTempDruck->text(), QStringLiteral("MAX: 572 "));
        QTRY_COMPARE(window_->focusWidget(), static_cast<QWidget*>(window_->INP_FluidTemp));
        TypeAndLeave(window_->INP_FluidTemp, QStringLiteral("572"), window_->INP_Rauh);
        QCOMPARE(window_->Point.Temperature(), 300.0);
    }



    void twoInvalidEditsDoNotBounceTheFocus()
    {
        ShowWindow();
        window_->FIX_VELOC->setChecked(true);
        TypeAndLeave(window_->INP_IDM, QStringLiteral("0"), window_->INP_Rauh);
        TypeAndLeave(window_->INP_Rauh, QStringLiteral("x"), window_->INP_IDM);
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents();
        const int beeps = MessageBeepCount();
        QWidget* settled = window_->focusWidget();
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents();
        QVERIFY(MessageBeepCount() == beeps && window_->focusWidget() == settled && beeps <= 4);
    }

    void aRejectedEditTakesTheFocusBackWithoutEnteringTheNextEdit()
    {
        ShowWindow();
        QVERIFY(window_->FIX_Quer->isChecked());
        TypeAndLeave(window_->INP_veloc, QStringLiteral("abc"), window_->INP_IDM);
        QTRY_COMPARE(window_->focusWidget(), static_cast<QWidget*>(window_->INP_veloc));
        // The diameter edit was only passed through: its hold stays, its markers never came.
        // Nor does a click on another edit run that edit's exit: the message stands.
        QTest::mouseClick(window_->INP_Dichte, Qt::LeftButton);
        QTRY_COMPARE(window_->focusWidget(), static_cast<QWidget*>(window_->INP_veloc));
        QVERIFY(window_->FIX_Quer->isChecked() && window_->INP_IDM->isReadOnly());
        QCOMPARE(Markers(), QStringList({"ResIs_VOLUME", "ResIs_MassFL"}));
        QCOMPARE(window_->PAN_Veloc->text(), QStringLiteral("SYNTAX ERROR "));

        // A click that opens a list while leaving the rejected edit: the list closes again.
        QTest::mouseClick(window_->COM_Medium, Qt::LeftButton);
        QTRY_VERIFY(!window_->COM_Medium->view()->isVisible());
        QCOMPARE(window_->focusWidget(), static_cast<QWidget*>(window_->INP_veloc));
        QCOMPARE(window_->COM_Medium->currentData().toInt(), 10001);
    }


    // ---------------------------------------------------------------- units

    void pageKeysStepTheUnitAndKeepTheValue()
    {
        ShowWindow();
        window_->INP_veloc->setFocus(Qt::TabFocusReason);
        const std::pair<Qt::Key, const char*> steps[] = {{Qt::Key_PageUp, "1.000"},   {Qt::Key_PageDown, "100.0"},
                                                         {Qt::Key_PageDown, "1000"},  {Qt::Key_PageDown, "39.37"},
                                                         {Qt::Key_PageDown, "3.281"}, {Qt::Key_PageDown, "3.281"}};
        for (const auto& [key, text] : steps) {
            QTest::keyClick(window_->INP_veloc, key);
            QCOMPARE(window_->INP_veloc->text(), QString::fromUtf8(text));
        }
        QCOMPARE(window_->ME_VELOC->currentText(), QStringLiteral("fps"));
        // Leaving the edit after the unit change stores nothing new.
        window_->INP_Rauh->setFocus(Qt::TabFocusReason);
        QCOMPARE(window_->Point.Velocity(), 1000.0);
        // The volume box steps in its own order: m³/h -> m³/min, and back to m³/day.
        window_->INP_Volume->setFocus(Qt::TabFocusReason);
        QTest::keyClick(window_->INP_Volume, Qt::Key_PageDown);
        QCOMPARE(window_->CBX_ME_VOLUME->currentText() + ' ' + window_->INP_Volume->text(), QStringLiteral("m³/min 0.471"));
        QTest::keyClick(window_->INP_Volume, Qt::Key_PageUp);
        QTest::keyClick(window_->INP_Volume, Qt::Key_PageUp);
        QCOMPARE(window_->CBX_ME_VOLUME->currentText() + ' ' + window_->INP_Volume->text(), QStringLiteral("m³/day 678.584"));
    }

    // ---------------------------------------------------------------- hold boxes and markers

    void holdBoxesAreMutuallyExclusive()
    {
        // Each click, then the held box and the read-only edits (velocity, diameter, volume).
        const std::tuple<QCheckBox*, QCheckBox*, const char*> clicks[] = {
            {window_->FIX_VELOC, window_->FIX_VELOC, "100"}, {window_->FIX_Volume, window_->FIX_Volume, "001"},
            {window_->FIX_Volume, window_->FIX_Quer, "010"},  // unchecking the only hold moves it on
            {window_->FIX_Quer, window_->FIX_Volume, "001"},  {window_->FIX_VELOC, window_->FIX_VELOC, "100"},
            {window_->FIX_VELOC, window_->FIX_Quer, "010"}};
        for (const auto& [box, held, readOnly] : clicks) {
            box->click();
            QVERIFY(held->isChecked() && window_->FIX_VELOC->isChecked() + window_->FIX_Quer->isChecked()
                                             + window_->FIX_Volume->isChecked() == 1);
            QCOMPARE(QStringLiteral("%1%2%3").arg(window_->INP_veloc->isReadOnly()).arg(window_->INP_IDM->isReadOnly())
                         .arg(window_->INP_Volume->isReadOnly()), QString::fromLatin1(readOnly));
        }
    }

    void enteringAHeldEditReleasesItsHoldAndShowsMarkers()
    {
        ShowWindow();
        window_->FIX_VELOC->setChecked(true);
        window_->INP_veloc->setFocus(Qt::TabFocusReason);
        QVERIFY(!window_->FIX_VELOC->isChecked() && window_->FIX_Quer->isChecked());
        // The velocity will change volume and mass flow.
        QCOMPARE(Markers(), QStringList({"ResIs_VOLUME", "ResIs_MassFL"}));
        QCOMPARE(BaseColor(window_->INP_veloc), QColor(255, 255, 0));
        QCOMPARE(BaseColor(window_->INP_Volume), QColor(0, 255, 255));
        QCOMPARE(window_->BACK_Berechnen->palette().color(QPalette::Window), QColor(0, 255, 255));
        // Entering the density marks only the mass flow.
        window_->INP_Dichte->setFocus(Qt::TabFocusReason);
        QCOMPARE(Markers(), QStringList({"ResIs_MassFL"}));
        QCOMPARE(BaseColor(window_->INP_veloc), QApplication::palette(window_->INP_veloc).color(QPalette::Base));
    }

    // The standard values check the pipe hold from the menu; the focused field keeps its
    // colour and its markers, for the new hold.
    void standardValuesKeepTheFocusedFieldsMarkers()
    {
        ShowWindow();
        window_->FIX_Volume->setChecked(true);
        window_->INP_MassFl->setFocus(Qt::TabFocusReason);
        QCOMPARE(Markers(), QStringList({"ResIs_Dichte"}));
        window_->ACT_Standardwerte->trigger();
        QVERIFY(window_->FIX_Quer->isChecked());
        QCOMPARE(window_->focusWidget(), static_cast<QWidget*>(window_->INP_MassFl));
        QCOMPARE(Markers(), QStringList({"ResIs_Veloc", "ResIs_VOLUME"}));
        QCOMPARE(BaseColor(window_->INP_MassFl), QColor(255, 255, 0));
    }

    void openingTheListsOrClickingTheGroupReleasesThePipeHold()
    {
        ShowWindow();
        QVERIFY(window_->FIX_Quer->isChecked());
        window_->COM_Medium->showPopup();
        QVERIFY(window_->ResIs_MassFL->isVisible());
        window_->COM_Medium->hidePopup();
        QVERIFY(window_->FIX_Quer->isChecked());
        // Opened from the keyboard as well as with the mouse.
        window_->COM_Material->setFocus(Qt::TabFocusReason);
        QTest::keyClick(window_->COM_Material, Qt::Key_Down, Qt::AltModifier);
        QVERIFY(window_->COM_Material->view()->isVisible());
        QVERIFY(!window_->FIX_Quer->isChecked() && window_->FIX_Volume->isChecked());
        window_->COM_Material->hidePopup();
        // So does a click on the pipe group, not on a value panel inside it.
        window_->FIX_Quer->setChecked(true);
        QTest::mouseClick(window_->PAN_IDM, Qt::LeftButton);
        QVERIFY(window_->FIX_Quer->isChecked());
        QTest::mouseClick(window_->GRP_DasRohr, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(window_->FIX_Volume->isChecked() && window_->ResIs_IDM->isHidden());
    }


    // ---------------------------------------------------------------- medium and groups

    void mediumChoiceAndViscosityView()
    {
        for (const int id : {10045, 10001}) {
            window_->COM_Medium->setCurrentIndex(window_->COM_Medium->findData(id));
            emit window_->COM_Medium->activated(window_->COM_Medium->currentIndex());
            QCOMPARE(window_->PANGRP_DRUCK->isHidden(), id == 10001);
        }
        QVERIFY(window_->ACT_ViskKinematic->isChecked() && !window_->ACT_ViskKinematic->isEnabled());
        window_->ACT_ViskDynamic->trigger();
        QVERIFY(window_->PANGRP_VISKKIN->isHidden() && !window_->PANGRP_VISKDYN->isHidden());
        QVERIFY(!window_->ACT_ViskKinematic->isChecked() && window_->ACT_ViskKinematic->isEnabled());
    }

    // The window's command shortcuts come before the focused edit's own keys (Ctrl+A is
    // "select all" to an edit); the edit keeps every key that no command claims. The
    // commands are replaced by counters: the routing is under test, not the dialogs.
    void commandShortcutsReachTheWindowFromAFocusedEdit()
    {
        ShowWindow();
        QList<QAction*> commands;
        QHash<QAction*, int> fired;
        for (QAction* action : window_->findChildren<QAction*>(Qt::FindDirectChildrenOnly)) {
            if (action->shortcut().isEmpty())
                continue;
            commands << action;
            action->disconnect(SIGNAL(triggered(bool)));
            connect(action, &QAction::triggered, this, [&fired, action] { ++fired[action]; });
        }
        QCOMPARE(commands.size(), 7);  // open, save, report, quit, pipe, application, norm volume
        for (QLineEdit* edit : {window_->INP_veloc, window_->INP_IDM, window_->INP_Dichte, window_->INP_FluidTemp}) {
            edit->setFocus(Qt::TabFocusReason);
            for (QAction* action : commands) {
                const int before = fired.value(action);
                const QKeyCombination key = action->shortcut()[0];
                QTest::keyClick(edit, key.key(), key.keyboardModifiers());
                QVERIFY2(fired.value(action) == before + 1,
                         qPrintable(edit->objectName() + ' ' + action->shortcut().toString()));
            }
            // Keys no command claims stay the edit's.
            edit->setText(QStringLiteral("12.5"));
            edit->end(false);
            QTest::keyClick(edit, Qt::Key_7);
            QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(edit->text(), QStringLiteral("12.5"));
            QTest::keyClick(edit, Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(edit->selectedText(), QStringLiteral("5"));
        }
        // A disabled command leaves its key to the edit.
        window_->ACT_SensorAbstand->setEnabled(false);
        window_->INP_IDM->setFocus(Qt::TabFocusReason);
        window_->INP_IDM->deselect();
        QTest::keyClick(window_->INP_IDM, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(window_->INP_IDM->selectedText(), window_->INP_IDM->text());
    }

    // A dialog coming and going neither leaves the edit being typed in nor takes the
    // material's roughness over a typed one; picking a material does.
    void anotherWindowTakingTheFocusLeavesNothing()
    {
        ShowWindow();
        TypeAndLeave(window_->INP_Rauh, QStringLiteral("0.5"), window_->INP_FluidTemp);
        QTest::keyClicks(window_->INP_FluidTemp, QStringLiteral("abc"));
        TDLG_NormVolume* dialog = DLG_NormVolume();
        dialog->show();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(MessageBeepCount(), 0);
        dialog->hide();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
        QCOMPARE(window_->focusWidget(), static_cast<QWidget*>(window_->INP_FluidTemp));
        QCOMPARE(window_->INP_FluidTemp->text() + ' ' + window_->INP_Rauh->text() + window_->PAN_FluidTempDruck->text(),
                 QStringLiteral("abc 0.500"));
        emit window_->COM_Material->activated(window_->COM_Material->findData(1));
        QCOMPARE(window_->INP_Rauh->text(), QStringLiteral("0.100"));
    }

    // ---------------------------------------------------------------- language

    // The language command has a tool button; its image follows the language: German 29,
    // English 30, none for another.
    void languageImageFollowsTheLanguage()
    {
        QCOMPARE(window_->TB_ToggleSprache->defaultAction(), window_->ACT_ToggleSprache);
        FakeDictionary dictionary;
        window_->ShareDictionary(&dictionary);
        const std::pair<int, int> languages[] = {{1, 29}, {2, 30}, {0, -1}, {1, 29}};
        for (const auto& [language, image] : languages) {
            dictionary.SetLanguage(language);
            DictionaryLanguageChange(*window_);
            QCOMPARE(Image(window_->ACT_ToggleSprache->icon()), Image(ActionImage(image)));
            QCOMPARE(Image(window_->TB_ToggleSprache->icon()), Image(ActionImage(image)));
        }
        QVERIFY(Image(ActionImage(29)) != Image(ActionImage(30)));
        // The lists follow the name language too; their first entry is translated, and
        // material 15 is left out.
        QCOMPARE(window_->COM_Material->itemText(0) + ' ' + window_->COM_Material->itemText(1),
                 QStringLiteral("_Anderes Material Stahl (Normal)"));
        QCOMPARE(window_->COM_Material->findData(15), -1);
        dictionary.SetLanguage(2);
        DictionaryLanguageChange(*window_);
        QCOMPARE(window_->COM_Material->currentText(), QStringLiteral("Carbon Steel"));
        window_->ShareDictionary(nullptr);
    }

    // ---------------------------------------------------------------- pipe geometry


    void pipeGeometryOkShowsTheNewDiameter()
    {
        ShowWindow();
        window_->INP_Volume->setFocus(Qt::TabFocusReason);
        RunModalCommand([this] { window_->ACT_EditRohrGeometrie->trigger(); }, [](QDialog& dialog) {
            DLG_Rohrgeometrie()->SetLiningThickness(1.5);  // inner diameter 100 - 2 * 1.5 mm
            dialog.done(1);
        });
        QCoreApplication::processEvents();
        QCOMPARE(window_->INP_IDM->text() + ' ' + window_->INP_veloc->text() + ' ' + window_->INP_Volume->text(),
                 QStringLiteral("97.0 1.063 28.274"));
        QCOMPARE(window_->focusWidget(), window_->INP_Volume);
    }

    // ---------------------------------------------------------------- flow-profile dialog


    void adoptingALimitSetsTheVelocity()
    {
        ShowWindow();
        double turbulent = 0.0;
        RunFlowProfile([&turbulent](TReynolDLG& dialog) {
            turbulent = dialog.VelocityTurb();
            dialog.BitBtn2->click();
        });
        // R*turb = 6000 in water (0.987196 mm²/s) through 100 mm: 59.23 mm/s, whole mm/s.
        QCOMPARE(window_->Point.Velocity(), std::nearbyint(turbulent));
        QCOMPARE(window_->INP_veloc->text() + ' ' + window_->INP_Volume->text(), QStringLiteral("0.059 1.668"));
        QCOMPARE(window_->focusWidget(), static_cast<QWidget*>(window_->INP_veloc));
        RunFlowProfile([](TReynolDLG& dialog) { dialog.BitBtn1->click(); });
        QCOMPARE(window_->Point.Velocity(), 10.0);
        QCOMPARE(window_->ShLab_LamiTurbo->text(), QStringLiteral("---- LAMINARE STRÖMUNG ---"));
    }


    // Whatever closes the dialog, the velocity field that gets the focus is entered: its
    // hold is released and the markers are the velocity's.
    void closingTheFlowProfileDialogEntersTheVelocityField()
    {
        ShowWindow();
        for (const bool escape : {false, true}) {
            window_->FIX_VELOC->setChecked(true);
            window_->INP_Dichte->setFocus(Qt::TabFocusReason);
            RunFlowProfile([escape](TReynolDLG& dialog) {
                if (escape)
                    QTest::keyClick(&dialog, Qt::Key_Escape);
                else
                    dialog.BUT_OKDialog->click();
            });
            QCOMPARE(window_->focusWidget(), static_cast<QWidget*>(window_->INP_veloc));
            QVERIFY(!window_->INP_veloc->isReadOnly() && !window_->FIX_VELOC->isChecked());
            QCOMPARE(Markers(), QStringList({"ResIs_VOLUME", "ResIs_MassFL"}));
            QCOMPARE(window_->Point.Velocity(), 1000.0);
        }
    }

    // The dialog opens on the line (100 mm, water, m/s) and the point's limits; changed
    // limits reach the result pane, and the standard values reset them.
    void flowProfileLimitsAreThePointsOwn()
    {
        ShowWindow();
        TypeAndLeave(window_->INP_veloc, QStringLiteral("0.020"), window_->INP_Volume);
        RunFlowProfile([](TReynolDLG& dialog) {
            QCOMPARE(dialog.SPE_ReynMin->text() + ' ' + dialog.SPE_ReynMax->text(), QStringLiteral("1000 6000"));
            QCOMPARE(dialog.shLAB_IDM->text() + ' ' + dialog.LAB_IDMME->text(), QStringLiteral("100.0 mm"));
            QCOMPARE(dialog.ShLAB_VelocMIN->text(), QStringLiteral("v < 0.010 m/s"));
            dialog.SetReynoldsLam(2320);
            dialog.SetReynoldsTurb(2320);
            QVERIFY(dialog.ACT_AssignFirmwareReynolds->isEnabled());
            dialog.done(1);
        });
        QCOMPARE(window_->ShLab_Kalfaktor->text(), QStringLiteral("0.750 "));
        QCOMPARE(window_->Point.Velocity(), 20.0);
        window_->ACT_Standardwerte->trigger();
        RunFlowProfile([](TReynolDLG& dialog) {
            QCOMPARE(dialog.SPE_ReynMax->text(), QStringLiteral("6000"));
            QVERIFY(!dialog.ACT_AssignFirmwareReynolds->isEnabled());
        });
    }

    // ---------------------------------------------------------------- report

    void reportShowsTheTypedPointAndKeepsTheUsersFields()
    {
        ShowWindow();
        window_->INP_IDM->setFocus(Qt::TabFocusReason);  // selects the text
        QTest::keyClicks(window_->INP_IDM, QStringLiteral("200"));
        QStringList values;
        QString customer;
        auto report = [&](const QString& typeCustomer) {
            RunModalCommand([this] { window_->ACT_Report->trigger(); }, [&](QDialog& dialog) {
                auto& form = static_cast<TDLG_reportform&>(dialog);
                for (int row = 1; row < form.StringGrid->RowCount(); ++row)
                    values << form.StringGrid->Cells(1, row) + QLatin1Char('=') + form.StringGrid->Cells(2, row);
                customer = form.EDI_Kunde->text();
                if (!typeCustomer.isEmpty())
                    form.EDI_Kunde->setText(typeCustomer);
                form.done(1);
            });
        };
        report(QStringLiteral("Werk Nord"));
        // The uncommitted diameter was taken over first.
        QVERIFY(values.contains(QStringLiteral("DN=200.0")));
        report(QString());
        QCOMPARE(customer, QStringLiteral("Werk Nord"));
    }
};

QTEST_MAIN(XmecalcTest)
#include "XmecalcTest.moc"
