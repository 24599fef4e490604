// The normalized-volume dialog as the user works it: reference conditions locked on every
// showing, range messages in the group's panel, Enter, Esc, the temperature unit and OK.

#include "calculator/forms/D_NormVolume.h"
#include "formbase/DialogFactory.h"
#include "platform/FormatSettings.h"
#include "platform/MessageBeep.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {
constexpr double PerM3h = 1e9 / 3600.0;

tNormVolumeParams Gas()
{
    tNormVolumeParams p;
    p.VolumeFlow = 10 * PerM3h;
    p.Temperature = 20.0;
    p.Pressure = 1.0;
    p.Compressibility = 1.0;
    p.NormTemperature = 20.0;
    p.NormPressure = 0.0;  // a point whose file stored no reference pressure
    return p;
}
}  // namespace

class NormVolumeDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FormatSettingsScope> formats_;
    std::unique_ptr<TDLG_NormVolume> dialog_;

    void Show()
    {
        dialog_->LoadParams(Gas());
        dialog_->show();
        dialog_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
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
        SetMessageBeepHandler(nullptr);
        dialog_ = CreateDialog<TDLG_NormVolume>();
    }

    void cleanup()
    {
        dialog_.reset();
        formats_.reset();
    }

    void showingAppliesTheReferenceDefaultsLocked()
    {
        Show();
        QCOMPARE(dialog_->INP_NormDruck->text(), QStringLiteral("1.013"));
        QCOMPARE(dialog_->INP_NormTemp->text(), QStringLiteral("20.0"));
        QCOMPARE(dialog_->LAB_NormalizedVolumeValue->text(), QStringLiteral("9.869 m³/h"));
        QVERIFY(!dialog_->CB_EditNormConditions->isChecked());
        QVERIFY(!dialog_->INP_NormDruck->isEnabled() && !dialog_->BUT_DefaultNormValues->isEnabled());
        QCOMPARE(dialog_->INP_NormTemp->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
        dialog_->CB_EditNormConditions->click();
        QVERIFY(dialog_->INP_NormDruck->isEnabled() && dialog_->BUT_DefaultNormValues->isEnabled());
        QVERIFY(dialog_->INP_NormTemp->palette().color(QPalette::Base) != QColor(0xC0, 0xC0, 0xC0));
        // The next showing starts locked again.
        dialog_->hide();
        Show();
        QVERIFY(!dialog_->INP_NormDruck->isEnabled());
    }

    void inputIsCheckedCommittedAndRestored()
    {
        Show();
        Type(dialog_->INP_CompressFactor, QStringLiteral("12"));
        dialog_->INP_Volume->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QCOMPARE(dialog_->PAN_CompressFactor->text(), QStringLiteral("MAX: 10 "));
        QCOMPARE(dialog_->Values.Value(TNormField::CompressFactor), 1.0);
        QCOMPARE(MessageBeepCount(), 1);
        QTRY_COMPARE(QApplication::focusWidget(), dialog_->INP_CompressFactor);
        // Enter commits, keeps the focus and selects the text.
        Type(dialog_->INP_CompressFactor, QStringLiteral("0.5"));
        QTest::keyClick(dialog_->INP_CompressFactor, Qt::Key_Return);
        QCOMPARE(dialog_->Values.Value(TNormField::CompressFactor), 0.5);
        QCOMPARE(dialog_->INP_CompressFactor->text(), QStringLiteral("0.500"));
        QCOMPARE(dialog_->INP_CompressFactor->selectedText(), QStringLiteral("0.500"));
        QCOMPARE(dialog_->PAN_CompressFactor->text(), QString());
        QCOMPARE(dialog_->LAB_NormalizedVolumeValue->text(), QStringLiteral("19.738 m³/h"));
        // Esc gives back the stored value.
        Type(dialog_->INP_FluidDruck, QStringLiteral("7"));
        QTest::keyClick(dialog_->INP_FluidDruck, Qt::Key_Escape);
        QCOMPARE(dialog_->INP_FluidDruck->text(), QStringLiteral("1.0"));
        QVERIFY(dialog_->isVisible());
    }

    void temperatureUnitShowsBothTemperatures()
    {
        Show();
        dialog_->ME_TEMP->setCurrentIndex(1);
        emit dialog_->ME_TEMP->activated(1);
        QCOMPARE(dialog_->INP_FluidTemp->text(), QStringLiteral("68.0"));
        QCOMPARE(dialog_->INP_NormTemp->text(), QStringLiteral("68.0"));
        QCOMPARE(dialog_->LAB_MeNormTemp->text(), QStringLiteral("°F"));
        QCOMPARE(int(dialog_->StoreParams().TempUnit), 1);
    }

    void okTakesTheEditBeingTyped()
    {
        Show();
        Type(dialog_->INP_Volume, QStringLiteral("20"));
        dialog_->BUT_OK->click();
        QCOMPARE(dialog_->result(), 1);
        QCOMPARE(dialog_->StoreParams().VolumeFlow, 20 * PerM3h);
        // A rejected text keeps the dialog open.
        Show();
        Type(dialog_->INP_FluidTemp, QStringLiteral("400"));
        dialog_->BUT_OK->click();
        QVERIFY(dialog_->isVisible());
        QCOMPARE(dialog_->PAN_Volume->text(), QStringLiteral("MAX: 300 °C"));
    }
};

QTEST_MAIN(NormVolumeDialogTest)
#include "NormVolumeDialogTest.moc"
