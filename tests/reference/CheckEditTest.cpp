#include "reference/CheckEdit.h"
#include "reference/FontConvert.h"

#include "platform/FocusRules.h"
#include "platform/FormatSettings.h"
#include "platform/MessageBeep.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Each row through the core check and through the widgets it drives: label text, colour and
// visibility, the beep, the value, an empty edit written as "0".
TEST(CheckEditValue, RangeSyntaxAndTheWidgets)
{
    FormatSettingsScope scope({.DecimalSeparator = QLatin1Char(','), .ThousandSeparator = QLatin1Char('.')});
    SetMessageBeepHandler(nullptr);
    // An empty caption: the check passes.
    const struct { const char* text; double min, max; const char* caption; double value; } rows[] = {
        {"1.234,5", 0, 1e6, "", 1234.5},  // thousands separators dropped
        {"100", 0.5, 100, "", 100},       // bounds inclusive
        {"0,5", 0.5, 100, "", 0.5},
        {"100,01", 0.5, 100, "MAX: 100 m/s", 0},
        // The limits are written in general format with ten digits.
        {"-1", 1.0 / 3, 100, "MIN: 0,3333333333 m/s", 0},
        {"1e9", 0, 123456.789012345, "MAX: 123456,789 m/s", 0},
        {"", 1, 20, "MIN: 1 m/s", 0},  // an empty edit reads as "0"
        {"abc", -1e300, 1e300, "SYNTAX ERROR m/s", 0}, {"1e400", -1e300, 1e300, "SYNTAX ERROR m/s", 0},
        {"nan", -1e300, 1e300, "SYNTAX ERROR m/s", 0}, {"-inf", -1e300, 1e300, "SYNTAX ERROR m/s", 0},
        {"1,2,3", -1e300, 1e300, "SYNTAX ERROR m/s", 0}, {"0x10", -1e300, 1e300, "SYNTAX ERROR m/s", 0},
    };
    for (const auto& row : rows) {
        const bool ok = !*row.caption;
        QLineEdit edit(QString::fromLatin1(row.text));
        QLabel label;  // hidden until the check shows it
        double value = 5;
        ResetMessageBeepCount();
        EXPECT_EQ(CheckEditValue(&edit, &label, value, row.min, row.max, QStringLiteral("m/s")), ok) << row.text;
        EXPECT_EQ(value, row.value) << row.text;
        EXPECT_EQ(label.text(), QString::fromUtf8(row.caption)) << row.text;
        EXPECT_EQ(label.palette().color(QPalette::WindowText), ok ? QColor(0, 0, 0) : QColor(255, 0, 0)) << row.text;
        EXPECT_TRUE(label.isHidden() == ok && MessageBeepCount() == int(!ok) && FocusReturnActive() == !ok &&
                    !edit.text().isEmpty())
            << row.text;
        QCoreApplication::processEvents();  // lets the focus return end
    }
    // A valid value clears the label that showed a failure.
    QLineEdit bad(QStringLiteral("150")), good(QStringLiteral("42,5"));
    QLabel label;
    double value = 0;
    EXPECT_FALSE(CheckEditValue(&bad, &label, value, 0, 100, QString()));
    EXPECT_TRUE(CheckEditValue(&good, &label, value, 0, 100, QString()) && value == 42.5);
    EXPECT_TRUE(label.text().isEmpty() && label.palette().color(QPalette::WindowText) == QColor(0, 0, 0));
    QCoreApplication::processEvents();
    // Without a label a range failure only returns the focus; a syntax error still beeps.
    ResetMessageBeepCount();
    for (const char* text : {"20", "zz"}) {
        QLineEdit edit{QLatin1String(text)};
        double value = 0;
        EXPECT_TRUE(!CheckEditValue(&edit, nullptr, value, 0, 10, QString()) && FocusReturnActive()) << text;
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(MessageBeepCount(), 1);
}

TEST(CheckEditValue, FocusReturnsAfterTheEventWithoutBouncing)
{
    QWidget window;
    auto* first = new QLineEdit(QStringLiteral("bad"), &window);
    auto* second = new QLineEdit(QStringLiteral("also bad"), &window);
    auto* label = new QLabel(&window);
    // Both edits check themselves on leaving, as the forms' exit handlers do.
    int checks = 0;
    QObject handlers;
    QObject::connect(qApp, &QApplication::focusChanged, &handlers, [&](QWidget* old, QWidget*) {
        double value = 0;
        if (old == first || old == second)
            checks += !CheckEditValue(static_cast<QLineEdit*>(old), label, value, 0, 1, QString());
    });
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    first->setFocus();
    second->setFocus();  // leaving the first, invalid edit
    EXPECT_EQ(checks, 1);
    QTest::qWait(50);
    EXPECT_TRUE(QApplication::focusWidget() == first && checks <= 3);
    const int settled = checks;
    QTest::qWait(50);
    EXPECT_TRUE(QApplication::focusWidget() == first && checks == settled);
}

TEST(FontRec, ConvertsBothWays)
{
    tFontRec rec{.Name = QStringLiteral("Arial"), .Height = -13, .Color = 255, .Pitch = fpFixed, .Charset = 0,
                 .Style = (1u << fsBold) | (1u << fsUnderline)};
    const QFont font = FontFromRec(rec);
    EXPECT_EQ(font.pointSizeF(), 9.75);
    EXPECT_TRUE(font.bold() && font.underline() && !font.italic() && !font.strikeOut());
    EXPECT_EQ(FontRecFromFont(font, rec), rec);
    EXPECT_EQ(FontRecFromFont(font, tFontRec{}).Pitch, fpFixed);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
