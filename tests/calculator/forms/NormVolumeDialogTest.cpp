// The normalized-volume dialog as the user works it: reference conditions locked on every
// showing, range messages in the group's panel, Enter, Esc, the temperature unit, OK, and
// the number format of a language switch.

#include "calculator/forms/D_NormVolume.h"
#include "formbase/DialogFactory.h"
#include "platform/FormatSettings.h"
#include "platform/MessageBeep.h"

#include "FakeDictionary.h"
#include "ModalDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

constexpr double PerM3h = 1e9 / 3600.0;

class NormVolumeDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FormatSettingsScope> formats_;  // the switch test changes them
    std::unique_ptr<TDLG_NormVolume> dialog_;

    // 10 m³/h at 20 °C and 1 bar, from a point whose file stored no reference pressure.
    void Show()
    {
        dialog_->LoadParams({20.0, 1.0, 10 * PerM3h, 1.0, 20.0, 0.0, 0, 0});
        dialog_->show();
        dialog_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
    }

    // Reference temperature and pressure, and the result.
    QString Shown() const
    {
        return dialog_->INP_NormTemp->text() + ' ' + dialog_->INP_NormDruck->text() + ' ' + dialog_->LAB_NormalizedVolumeValue->text();
    }

    void Type(QLineEdit* edit, const QString& text)
    {
        edit->setFocus(Qt::TabFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

private slots:
    void init()
    {
        formats_ = std::make_unique<FormatSettingsScope>(TFormatSettings());
        SetMessageBeepHandler(nullptr), ResetMessageBeepCount();
        dialog_ = CreateDialog<TDLG_NormVolume>();
    }

    void cleanup() { dialog_.reset(), formats_.reset(); }

    // Every showing applies the reference defaults locked; OK takes the edit being typed, but
    // a rejected text keeps the dialog open.
    void showingLocksTheReferenceAndOkTakesTheTypedEdit()
    {
        const QColor silver(0xC0, 0xC0, 0xC0);
        Show();
        QCOMPARE(Shown(), QStringLiteral("20.0 1.013 9.869 m³/h"));
        QVERIFY(!dialog_->INP_NormDruck->isEnabled() && !dialog_->BUT_DefaultNormValues->isEnabled());
        QCOMPARE(dialog_->INP_NormTemp->palette().color(QPalette::Base), silver);
        dialog_->CB_EditNormConditions->click();
        QVERIFY(dialog_->INP_NormDruck->isEnabled() && dialog_->BUT_DefaultNormValues->isEnabled());
        QVERIFY(dialog_->INP_NormTemp->palette().color(QPalette::Base) != silver);
        Type(dialog_->INP_Volume, QStringLiteral("20"));
        dialog_->BUT_OK->click();
        QCOMPARE(dialog_->result(), 1);
        QCOMPARE(dialog_->StoreParams().VolumeFlow, 20 * PerM3h);
        Show();
        QVERIFY(!dialog_->CB_EditNormConditions->isChecked() && !dialog_->INP_NormDruck->isEnabled());
        Type(dialog_->INP_FluidTemp, QStringLiteral("400"));
        dialog_->BUT_OK->click();
        QVERIFY(dialog_->isVisible() && dialog_->PAN_Volume->text() == QStringLiteral("MAX: 300 °C"));
    }

    // A value out of range beeps, shows its limit in the group's panel and takes the focus
    // back; Enter commits and selects; Esc gives back the stored value; °F shows both
    // temperatures converted.
    void inputIsCheckedCommittedAndRestored()
    {
        Show();
        Type(dialog_->INP_CompressFactor, QStringLiteral("12"));
        dialog_->INP_Volume->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QCOMPARE(dialog_->PAN_CompressFactor->text(), QStringLiteral("MAX: 10 "));
        QVERIFY(dialog_->Values.Value(TNormField::CompressFactor) == 1.0 && MessageBeepCount() == 1);
        QTRY_COMPARE(QApplication::focusWidget(), dialog_->INP_CompressFactor);
        TypeAndEnter(dialog_->INP_CompressFactor, QStringLiteral("0.5"));
        QCOMPARE(dialog_->INP_CompressFactor->selectedText() + dialog_->PAN_CompressFactor->text(), QStringLiteral("0.500"));
        QCOMPARE(dialog_->LAB_NormalizedVolumeValue->text(), QStringLiteral("19.738 m³/h"));
        Type(dialog_->INP_FluidDruck, QStringLiteral("7"));
        QTest::keyClick(dialog_->INP_FluidDruck, Qt::Key_Escape);
        QVERIFY(dialog_->INP_FluidDruck->text() == QStringLiteral("1.0") && dialog_->isVisible());
        dialog_->ME_TEMP->setCurrentIndex(1);
        emit dialog_->ME_TEMP->activated(1);
        QCOMPARE(dialog_->INP_FluidTemp->text() + dialog_->INP_NormTemp->text() + dialog_->LAB_MeNormTemp->text(), QStringLiteral("68.068.0°F"));
    }

    void languageSwitchRewritesInTheNewFormat()
    {
        FormatSettings().DecimalSeparator = QLatin1Char(',');
        FakeDictionary dictionary;
        SetFormsDictionary(&dictionary);
        dialog_ = CreateDialog<TDLG_NormVolume>();
        Show();
        QCOMPARE(Shown(), QStringLiteral("20,0 1,013 9,869 m³/h"));
        FormatSettings().DecimalSeparator = QLatin1Char('.');
        dictionary.SetLanguage(2);
        SetFormsDictionary(nullptr);
        QCOMPARE(Shown(), QStringLiteral("20.0 1.013 9.869 m³/h"));
        dialog_.reset();
    }
};

QTEST_MAIN(NormVolumeDialogTest)
#include "NormVolumeDialogTest.moc"
