#include "components/CESpin.h"

#include "platform/FormatSettings.h"
#include "platform/MessageBeep.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <limits>
#include <memory>

class SpinEditTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FormatSettingsScope> settings_;

    static void Type(QWidget* w, const QString& keys)
    {
        for (const QChar c : keys)
            QTest::keyClick(w, c.toLatin1());
    }

private slots:
    void init()
    {
        settings_ = std::make_unique<FormatSettingsScope>(TFormatSettings{});
        ResetMessageBeepCount();
    }
    void cleanup() { settings_.reset(); }

    void formatsByValueTypeAndDecimals()
    {
        TCeSpinEdit edit;
        QCOMPARE(edit.text(), QStringLiteral("0"));
        edit.SetValue(2.5L);
        QCOMPARE(edit.text(), QStringLiteral("2"));
        edit.SetValue(3.5L);
        QCOMPARE(edit.text(), QStringLiteral("4"));

        edit.SetValueType(vtFloat);
        edit.SetValue(1);
        QCOMPARE(edit.text(), QStringLiteral("1.00"));
        edit.SetDecimal(3);
        QCOMPARE(edit.text(), QStringLiteral("1.000"));
        {
            TFormatSettings comma;
            comma.DecimalSeparator = QLatin1Char(',');
            FormatSettingsScope local(comma);
            edit.SetValue(1);
            QCOMPARE(edit.text(), QStringLiteral("1,000"));
            QCOMPARE(edit.Value(), 1.0L);
        }

        edit.SetValueType(vtHex);
        edit.SetValue(26);
        QCOMPARE(edit.text(), QStringLiteral("1A"));
        edit.setText(QStringLiteral("1a"));
        QCOMPARE(edit.Value(), 26.0L);
        QCOMPARE(edit.AsInteger(), 26);
    }

    void valueTypeSwitchRoundsTheIncrement()
    {
        TCeSpinEdit edit;
        edit.SetValueType(vtFloat);
        edit.SetIncrement(0.4L);
        edit.SetValue(2);
        QCOMPARE(edit.text(), QStringLiteral("2.00"));
        edit.SetValueType(vtInteger);
        QCOMPARE(edit.Increment(), 1.0L);
        // The text is read again with the new type ("2.00" is no integer: MinValue).
        QCOMPARE(edit.text(), QStringLiteral("0"));
        edit.SetValueType(vtFloat);
        edit.SetIncrement(2.5L);
        edit.SetValueType(vtHex);
        QCOMPARE(edit.Increment(), 2.0L);
    }

    void integersAreSixtyFourBitAndAsIntegerSaturates()
    {
        TCeSpinEdit edit;
        edit.SetValue(1e12L);
        QCOMPARE(edit.text(), QStringLiteral("1000000000000"));
        QCOMPARE(edit.AsInteger(), std::numeric_limits<std::int32_t>::max());
        edit.SetValue(-1e30L);
        QCOMPARE(edit.text(), QStringLiteral("-9223372036854775808"));
        QCOMPARE(edit.AsInteger(), std::numeric_limits<std::int32_t>::min());
        edit.SetAsInteger(-7);
        QCOMPARE(edit.text(), QStringLiteral("-7"));
        edit.setText(QStringLiteral("99999999999999999999"));
        QCOMPARE(edit.Value(), static_cast<long double>(std::numeric_limits<std::int64_t>::max()));
    }

    void clampsOnWriteOnlyWithARange()
    {
        TCeSpinEdit edit;
        edit.SetValue(1e6L);
        QCOMPARE(edit.text(), QStringLiteral("1000000"));
        edit.SetMinValue(-5);
        edit.SetMaxValue(5);
        edit.SetValue(6);
        QCOMPARE(edit.text(), QStringLiteral("5"));
        edit.SetValue(-6);
        QCOMPARE(edit.text(), QStringLiteral("-5"));
        QCOMPARE(edit.CheckValue(100), 5.0L);
        // Reading does not clamp: a typed text beyond the range reads as typed.
        edit.setText(QStringLiteral("9"));
        QCOMPARE(edit.Value(), 9.0L);
    }

    void changeNotifiesOnlyRealChanges()
    {
        TCeSpinEdit edit;
        QSignalSpy changes(&edit, &TCeSpinEdit::OnChange);
        edit.SetValue(0);
        QCOMPARE(changes.count(), 0);
        edit.SetValue(3);
        QCOMPARE(changes.count(), 1);
        edit.SetValue(3.2L);  // still "3"
        QCOMPARE(changes.count(), 1);

        // A handler that writes the value back (clamped to even numbers) cannot recurse.
        int calls = 0;
        connect(&edit, &TCeSpinEdit::OnChange, &edit, [&] {
            ++calls;
            QVERIFY(calls < 10);
            edit.SetValue(std::nearbyint(edit.Value() / 2) * 2);
        });
        edit.SetValue(5);
        QCOMPARE(edit.text(), QStringLiteral("4"));
        QCOMPARE(calls, 2);
        calls = 0;
        edit.SetValue(4);
        QCOMPARE(calls, 0);
    }

    void stepsAndStopsAtTheLimitsWithoutNotifying()
    {
        TCeSpinEdit edit;
        edit.SetMinValue(0);
        edit.SetMaxValue(3);
        edit.SetValue(2);
        QSignalSpy changes(&edit, &TCeSpinEdit::OnChange);
        QSignalSpy tops(&edit, &TCeSpinEdit::OnTopClick);
        QSignalSpy bottoms(&edit, &TCeSpinEdit::OnBottomClick);
        edit.setModified(false);
        edit.UpClick();
        QCOMPARE(edit.text(), QStringLiteral("3"));
        QCOMPARE(changes.count(), 1);
        QVERIFY(edit.isModified());
        edit.UpClick();
        QCOMPARE(edit.text(), QStringLiteral("3"));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(tops.count(), 2);
        for (int i = 0; i < 5; ++i)
            edit.DownClick();
        QCOMPARE(edit.text(), QStringLiteral("0"));
        QCOMPARE(changes.count(), 4);
        QCOMPARE(bottoms.count(), 5);
        QCOMPARE(MessageBeepCount(), 0);
    }

    void stepsWithoutARangeNeverStop()
    {
        TCeSpinEdit edit;
        edit.SetIncrement(1000);
        for (int i = 0; i < 50; ++i)
            edit.DownClick();
        QCOMPARE(edit.text(), QStringLiteral("-50000"));
    }

    void hexStepComparesTextIgnoringCase()
    {
        TCeSpinEdit edit;
        edit.SetValueType(vtHex);
        edit.SetMinValue(0);
        edit.SetMaxValue(26);
        edit.setText(QStringLiteral("1a"));
        QSignalSpy changes(&edit, &TCeSpinEdit::OnChange);
        edit.UpClick();
        QCOMPARE(edit.text(), QStringLiteral("1A"));
        QCOMPARE(changes.count(), 0);
    }

    void keyFilterRefusesWithABeep()
    {
        TCeSpinEdit edit;
        edit.setText(QString());
        Type(&edit, QStringLiteral("12abc"));
        QCOMPARE(edit.text(), QStringLiteral("12"));
        QCOMPARE(MessageBeepCount(), 3);

        edit.SetValueType(vtFloat);
        edit.setText(QString());
        ResetMessageBeepCount();
        Type(&edit, QStringLiteral("1.2.3e4E"));
        QCOMPARE(edit.text(), QStringLiteral("1.23e4"));
        QCOMPARE(MessageBeepCount(), 2);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), QStringLiteral("1.23e"));
        edit.setCursorPosition(0);
        QTest::keyClick(&edit, Qt::Key_Delete);
        QCOMPARE(edit.text(), QStringLiteral(".23e"));
        QTest::keyClick(&edit, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(MessageBeepCount(), 2);
    }

    void stepControlsFollowTheEditsEnabledState()
    {
        TCeSpinEdit edit;
        edit.setEnabled(false);
        QVERIFY(!edit.Button()->isEnabled());
        edit.SetButtonKind(bkStandard);
        QVERIFY(!edit.UpDown()->isEnabled());
        edit.setEnabled(true);
        QVERIFY(edit.UpDown()->isEnabled());
    }

    void arrowKeysStepUnlessSwitchedOff()
    {
        TCeSpinEdit edit;
        QTest::keyClick(&edit, Qt::Key_Up);
        QTest::keyClick(&edit, Qt::Key_Up);
        QCOMPARE(edit.text(), QStringLiteral("2"));
        QTest::keyClick(&edit, Qt::Key_Down);
        QCOMPARE(edit.text(), QStringLiteral("1"));
        edit.SetArrowKeys(false);
        QTest::keyClick(&edit, Qt::Key_Up);
        QCOMPARE(edit.text(), QStringLiteral("1"));
    }

    void pasteGoesThroughTheKeyFilter()
    {
        TCeSpinEdit edit;
        edit.setText(QStringLiteral("7"));
        edit.setCursorPosition(1);
        QGuiApplication::clipboard()->setText(QStringLiteral("12abc"));
        QTest::keySequence(&edit, QKeySequence::Paste);
        QCOMPARE(edit.text(), QStringLiteral("7"));
        QCOMPARE(MessageBeepCount(), 1);
        QGuiApplication::clipboard()->setText(QStringLiteral("34"));
        QTest::keySequence(&edit, QKeySequence::Paste);
        QCOMPARE(edit.text(), QStringLiteral("734"));

        edit.SetValueType(vtFloat);
        edit.setText(QStringLiteral("2.5"));
        edit.setCursorPosition(3);
        QGuiApplication::clipboard()->setText(QStringLiteral(".5"));
        QTest::keySequence(&edit, QKeySequence::Paste);
        QCOMPARE(edit.text(), QStringLiteral("2.5"));
        edit.selectAll();
        QTest::keySequence(&edit, QKeySequence::Paste);
        QCOMPARE(edit.text(), QStringLiteral(".5"));
    }

    void contextMenuPasteIsFilteredAndEditingActionsFollowTheEditor()
    {
        TCeSpinEdit edit;
        edit.setText(QString());
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        QGuiApplication::clipboard()->setText(QStringLiteral("5x"));
        QStringList enabled;
        bool pasteTriggered = false;
        QTimer::singleShot(0, &edit, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* a : menu->actions()) {
                if (a->isEnabled() && !a->objectName().isEmpty())
                    enabled << a->objectName();
                if (a->objectName() == QLatin1String("edit-paste")) {
                    a->trigger();
                    pasteTriggered = true;
                }
            }
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), edit.mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(&edit, &event);
        QTRY_VERIFY(pasteTriggered);
        QVERIFY(enabled.contains(QStringLiteral("edit-paste")));
        QCOMPARE(edit.text(), QString());
        QCOMPARE(MessageBeepCount(), 1);

        edit.SetEditorEnabled(false);
        edit.setText(QStringLiteral("12"));
        edit.selectAll();
        enabled.clear();
        pasteTriggered = false;
        QTimer::singleShot(0, &edit, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* a : menu->actions())
                if (a->isEnabled() && !a->objectName().isEmpty())
                    enabled << a->objectName();
            pasteTriggered = true;
            menu->close();
        });
        QApplication::sendEvent(&edit, &event);
        QTRY_VERIFY(pasteTriggered);
        QVERIFY(!enabled.contains(QStringLiteral("edit-paste")));
        QVERIFY(!enabled.contains(QStringLiteral("edit-cut")));
        QVERIFY(!enabled.contains(QStringLiteral("edit-delete")));
        QVERIFY(enabled.contains(QStringLiteral("edit-copy")));
    }

    void disabledEditorRefusesEditingButStillSteps()
    {
        TCeSpinEdit edit;
        edit.SetEditorEnabled(false);
        edit.setText(QStringLiteral("12"));
        edit.setCursorPosition(2);
        QSignalSpy changes(&edit, &TCeSpinEdit::OnChange);
        Type(&edit, QStringLiteral("5"));
        QTest::keyClick(&edit, Qt::Key_Backspace);
        edit.setCursorPosition(0);
        QTest::keyClick(&edit, Qt::Key_Delete);
        QCOMPARE(edit.text(), QStringLiteral("12"));
        QCOMPARE(MessageBeepCount(), 3);

        // Cut and paste are ignored without a beep.
        QGuiApplication::clipboard()->setText(QStringLiteral("3"));
        edit.selectAll();
        QTest::keySequence(&edit, QKeySequence::Paste);
        QTest::keySequence(&edit, QKeySequence::Cut);
        QCOMPARE(edit.text(), QStringLiteral("12"));
        QCOMPARE(MessageBeepCount(), 3);
        QCOMPARE(changes.count(), 0);

        QTest::keyClick(&edit, Qt::Key_Up);
        QCOMPARE(edit.text(), QStringLiteral("13"));
        edit.resize(80, 24);
        QTest::mouseClick(edit.Button(), Qt::LeftButton, {}, QPoint(edit.Button()->width() - 3, edit.Button()->height() - 3));
        QCOMPARE(edit.text(), QStringLiteral("12"));
        QCOMPARE(changes.count(), 2);
    }

    void readOnlyRefusesTypingAndBeepsOnSteps()
    {
        TCeSpinEdit edit;
        edit.setReadOnly(true);
        edit.setText(QStringLiteral("12"));
        edit.setCursorPosition(2);
        Type(&edit, QStringLiteral("5"));
        QGuiApplication::clipboard()->setText(QStringLiteral("3"));
        QTest::keySequence(&edit, QKeySequence::Paste);
        QCOMPARE(edit.text(), QStringLiteral("12"));
        QCOMPARE(MessageBeepCount(), 0);
        QSignalSpy tops(&edit, &TCeSpinEdit::OnTopClick);
        QTest::keyClick(&edit, Qt::Key_Up);
        edit.UpClick();
        QCOMPARE(edit.text(), QStringLiteral("12"));
        QCOMPARE(MessageBeepCount(), 2);
        QCOMPARE(tops.count(), 0);
        // An invalid character still beeps.
        Type(&edit, QStringLiteral("x"));
        QCOMPARE(MessageBeepCount(), 3);
    }

    void enterAndEscapeReachTheDialog()
    {
        QDialog dialog;
        auto* edit = new TCeSpinEdit(&dialog);
        auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
        ok->move(0, 40);
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        edit->setFocus();
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        QSignalSpy rejected(&dialog, &QDialog::rejected);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(edit->text(), QStringLiteral("0"));
        dialog.show();
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Escape);
        QCOMPARE(rejected.count(), 1);

        // Also with the editor disabled.
        edit->SetEditorEnabled(false);
        dialog.show();
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Enter);
        QCOMPARE(accepted.count(), 2);
        QCOMPARE(MessageBeepCount(), 0);
    }

    void leavingRewritesUnparseableAndOutOfRangeText()
    {
        QWidget window;
        auto* edit = new TCeSpinEdit(&window);
        auto* other = new QPushButton(&window);
        other->move(0, 40);
        edit->SetValueType(vtFloat);
        edit->SetMinValue(1.5L);
        edit->SetMaxValue(10);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy changes(edit, &TCeSpinEdit::OnChange);

        edit->setFocus();
        edit->setText(QStringLiteral("-"));
        QCOMPARE(edit->Value(), 1.5L);
        other->setFocus(Qt::TabFocusReason);
        QCOMPARE(edit->text(), QStringLiteral("1.50"));
        QCOMPARE(MessageBeepCount(), 1);

        edit->setFocus();
        edit->setText(QStringLiteral("50"));
        other->setFocus(Qt::TabFocusReason);
        QCOMPARE(edit->text(), QStringLiteral("10.00"));
        QCOMPARE(MessageBeepCount(), 1);

        // In range: left as typed.
        edit->setFocus();
        edit->setText(QStringLiteral("2.5"));
        other->setFocus(Qt::TabFocusReason);
        QCOMPARE(edit->text(), QStringLiteral("2.5"));
        QCOMPARE(changes.count(), 5);

        // Leaving for another window (or a popup) is no exit.
        edit->setFocus();
        edit->setText(QStringLiteral("e"));
        QFocusEvent activation(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(edit, &activation);
        QCOMPARE(edit->text(), QStringLiteral("e"));
        QCOMPARE(MessageBeepCount(), 1);
    }

    void focusEnterSelectsAll()
    {
        QWidget window;
        auto* edit = new TCeSpinEdit(&window);
        auto* other = new QPushButton(&window);
        other->move(0, 40);
        edit->SetValue(1234);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        other->setFocus();
        edit->setFocus(Qt::OtherFocusReason);
        QCOMPARE(edit->selectedText(), QStringLiteral("1234"));
        other->setFocus();
        edit->SetAutoSelect(false);
        edit->setFocus(Qt::OtherFocusReason);
        QCOMPARE(edit->selectedText(), QString());
    }

    void diagonalButtonStepsOncePerPress()
    {
        TCeSpinEdit edit;
        edit.resize(100, 24);
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        TCeSpinButton* button = edit.Button();
        QVERIFY(button);
        QVERIFY(!edit.UpDown());
        const QRect window = button->parentWidget()->geometry();
        QCOMPARE(window, SpinButtonWindowRect(edit.size(), true, false));
        QCOMPARE(button->size(), window.size());
        QCOMPARE(edit.textMargins().right(), button->width() + 2);

        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(edit.text(), QStringLiteral("1"));
        QTest::mouseMove(button, QPoint(button->width() - 2, button->height() - 2));
        QCOMPARE(edit.text(), QStringLiteral("1"));
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(button->State(), TCeSpinButton::bsNone);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() - 2, button->height() - 2));
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() - 2, button->height() - 2));
        QCOMPARE(edit.text(), QStringLiteral("-1"));
    }

    void upDownKindStepsAndRestsAtZero()
    {
        TCeSpinEdit edit;
        edit.resize(100, 24);
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        QSignalSpy changes(&edit, &TCeSpinEdit::OnChange);
        edit.SetButtonKind(bkStandard);
        QVERIFY(!edit.Button());
        TCeUpDown* upDown = edit.UpDown();
        QVERIFY(upDown);
        QCOMPARE(upDown->width(), TCeUpDown::DefaultButtonWidth(&edit));
        QVERIFY(upDown->width() <= 15);
        QCOMPARE(edit.textMargins().right(), upDown->width() + 2);
        upDown->resize(40, upDown->height());
        QCOMPARE(upDown->width(), TCeUpDown::DefaultButtonWidth(&edit));

        auto* next = upDown->findChild<QToolButton*>(QStringLiteral("next"));
        auto* previous = upDown->findChild<QToolButton*>(QStringLiteral("previous"));
        QVERIFY(next && previous);
        next->click();
        next->click();
        QCOMPARE(edit.text(), QStringLiteral("2"));
        previous->click();
        QCOMPARE(edit.text(), QStringLiteral("1"));
        QCOMPARE(upDown->Position(), 0);
        upDown->SetPosition(5);
        QCOMPARE(edit.text(), QStringLiteral("2"));
        QCOMPARE(upDown->Position(), 0);
        QCOMPARE(changes.count(), 4);

        edit.SetButtonKind(bkDiagonal);
        QVERIFY(edit.Button());
        QVERIFY(!edit.UpDown());
    }

    void heightNeverDropsBelowTheText()
    {
        TCeSpinEdit edit;
        QCOMPARE(edit.MinHeight(), edit.fontMetrics().height() + 5);
        edit.resize(80, 4);
        QCOMPARE(edit.height(), edit.MinHeight());
        QFont big = edit.font();
        big.setPixelSize(30);
        edit.setFont(big);
        QVERIFY(edit.minimumHeight() >= 35);
    }
};

QTEST_MAIN(SpinEditTest)
#include "SpinEditTest.moc"
