#include "reference/CheckEdit.h"
#include "reference/FontConvert.h"

#include "platform/FormatSettings.h"
#include "platform/MessageBeep.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

class CheckEditTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        ResetMessageBeepCount();
        SetMessageBeepHandler(nullptr);
    }

    // The check's result on the widgets: label text, colour and visibility, the beep, an
    // empty edit written as "0"; without a label only a syntax error beeps.
    void labelCaptionColourAndBeep()
    {
        FormatSettingsScope scope{TFormatSettings{}};
        QLineEdit edit(QStringLiteral("150"));
        QLabel label;
        label.setVisible(false);
        double value = 5;
        QVERIFY(!CheckEditValue(&edit, &label, value, 0, 100, QString()));
        QCOMPARE(value, 0.0);
        QCOMPARE(label.text(), QStringLiteral("MAX: 100 "));
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(!label.isHidden());
        edit.setText(QStringLiteral("42.5"));
        QVERIFY(CheckEditValue(&edit, &label, value, 0, 100, QString()));
        QCOMPARE(value, 42.5);
        QCOMPARE(label.text(), QString());
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0, 0, 0));

        edit.clear();
        QVERIFY(CheckEditValue(&edit, nullptr, value, 0, 10, QString()));
        QCOMPARE(edit.text(), QStringLiteral("0"));
        for (const char* text : {"20", "zz"}) {
            edit.setText(QLatin1String(text));
            QVERIFY(!CheckEditValue(&edit, nullptr, value, 0, 10, QString()));
        }
        QCOMPARE(MessageBeepCount(), 2);  // the label's failure and "zz"
    }

    void focusReturnsAfterTheEventWithoutBouncing()
    {
        FormatSettingsScope scope{TFormatSettings{}};
        QWidget window;
        auto* first = new QLineEdit(QStringLiteral("bad"), &window);
        auto* second = new QLineEdit(QStringLiteral("also bad"), &window);
        auto* label = new QLabel(&window);
        // Both edits check themselves on leaving, as the forms' exit handlers do.
        int checks = 0;
        ExitFilter filter([&](QLineEdit* edit) {
            ++checks;
            double value = 0;
            CheckEditValue(edit, label, value, 0, 1, QString());
        });
        first->installEventFilter(&filter);
        second->installEventFilter(&filter);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        first->setFocus();
        QCOMPARE(QApplication::focusWidget(), first);

        second->setFocus();  // leaving the first, invalid edit
        QCOMPARE(checks, 1);
        QTest::qWait(50);
        QCOMPARE(QApplication::focusWidget(), first);
        QVERIFY(checks <= 3);
        const int settled = checks;
        QTest::qWait(50);
        QCOMPARE(checks, settled);
        QCOMPARE(QApplication::focusWidget(), first);
    }

    void fontConversion()
    {
        tFontRec rec{.Name = QStringLiteral("Arial"), .Height = -13, .Color = 255, .Charset = 0,
                     .Style = (1u << fsBold) | (1u << fsUnderline)};
        const QFont font = FontFromRec(rec);
        QCOMPARE(font.pointSizeF(), 9.75);
        QVERIFY(font.bold() && font.underline() && !font.italic() && !font.strikeOut());
        QVERIFY(FontRecFromFont(font, rec) == rec);
        rec.Pitch = fpFixed;
        QCOMPARE(FontRecFromFont(FontFromRec(rec), tFontRec{}).Pitch, fpFixed);
    }

private:
    class ExitFilter : public QObject {
    public:
        explicit ExitFilter(std::function<void(QLineEdit*)> onExit) : onExit_(std::move(onExit)) {}
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::FocusOut)
                onExit_(static_cast<QLineEdit*>(watched));
            return false;
        }

    private:
        std::function<void(QLineEdit*)> onExit_;
    };
};

QTEST_MAIN(CheckEditTest)
#include "CheckEditTest.moc"
