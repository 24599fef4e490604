#include "platform/Application.h"
#include "platform/Colors.h"
#include "platform/Exceptions.h"
#include "platform/FocusRules.h"
#include "platform/MessageBox.h"
#include "ModalDriver.h"
#include "QStringPrinter.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

// Hands the events of the objects it watches to `see`.
class Hook : public QObject {
public:
    explicit Hook(std::function<void(QEvent*)> see) : see_(std::move(see)) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        see_(event);
        return false;
    }

private:
    std::function<void(QEvent*)> see_;
};

// Raises `raise` inside an event's delivery, as a handler of the program's would.
void Deliver(const std::function<void()>& raise)
{
    QObject target;
    Hook hook([&](QEvent* event) {
        if (event->type() == QEvent::User)
            raise();
    });
    target.installEventFilter(&hook);
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&target, &event);
}

TEST(PlatformGui, NotifyReportsExceptionsButTheSilentAbortOrHandsThemOn)
{
    std::vector<MessageRequest> shown;
    SetMessageHook([&](const MessageRequest& r) {
        shown.push_back(r);
        return true;
    });
    Deliver([] { Abort(); });
    Deliver([] { throw EConvertError(QString::fromUtf8("'x\xc3\xa4' is not a valid integer value")); });
    Deliver([] { throw std::out_of_range("index 7"); });
    Deliver([] { throw 42; });
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_TRUE(shown[0].kind == MessageKind::Error && !shown[0].yesNo);
    EXPECT_EQ(shown[0].text, QString::fromUtf8("'x\xc3\xa4' is not a valid integer value"));
    EXPECT_TRUE(shown[1].text == "index 7" && !shown[2].text.isEmpty());

    // A handler of the program's replaces the box.
    QString seen;
    Application()->OnException = [&](const std::exception& e) { seen = QString::fromUtf8(e.what()); };
    Deliver([] { throw std::runtime_error("custom"); });
    Deliver([] { Abort(); });
    EXPECT_EQ(seen, "custom");
    EXPECT_EQ(shown.size(), 3u);
    Application()->OnException = nullptr;
    SetMessageHook(nullptr);
}

TEST(PlatformGui, RealBoxReturnsTheButton)
{
    for (const auto button : {QMessageBox::Yes, QMessageBox::No}) {
        bool yes = false;
        const MessageRequest request{.caption = {}, .text = "Continue?", .kind = MessageKind::Question, .yesNo = true};
        EXPECT_TRUE(RunModal<QMessageBox>([&] { yes = ShowMessage(request); }, [&](QMessageBox& box) {
            EXPECT_TRUE(box.text() == "Continue?" && box.icon() == QMessageBox::Question);
            box.button(button)->click();
        }));
        EXPECT_EQ(yes, button == QMessageBox::Yes);
    }
}

TEST(FocusRules, FocusReturnIsDeferredAloneAndNotTheUsers)
{
    QWidget window;
    auto* rejected = new QLineEdit(QStringLiteral("abc"), &window);
    auto* passed = new QLineEdit(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    passed->setFocus(Qt::MouseFocusReason);
    std::vector<bool> seen;  // whether the focus changes the passed field sees count as the user's
    Hook watch([&](QEvent* event) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            seen.push_back(IsUserFocusChange(static_cast<QFocusEvent*>(event)));
    });
    passed->installEventFilter(&watch);

    ReturnFocusLater(rejected, TFocusReturn::SelectAll);
    ReturnFocusLater(passed);  // a second return while one is pending is dropped
    EXPECT_TRUE(FocusReturnActive() && window.focusWidget() == passed);  // not before the current event is over
    QCoreApplication::processEvents();
    EXPECT_TRUE(!FocusReturnActive() && window.focusWidget() == rejected && rejected->selectedText() == "abc");
    EXPECT_EQ(seen, std::vector<bool>{false});  // the passed-through field's exit

    // A return whose target is gone ends all the same.
    auto* gone = new QLineEdit(&window);
    ReturnFocusLater(gone);
    delete gone;
    QCoreApplication::processEvents();
    EXPECT_TRUE(!FocusReturnActive() && window.focusWidget() == rejected);
}

TEST(Colors, BlueGreenRedValues)
{
    EXPECT_TRUE(ColorFromTColor(0x123456) == QColor(0x56, 0x34, 0x12) && !ColorFromTColor(clNone).isValid());
    EXPECT_TRUE(TColorFromColor(QColor(0x56, 0x34, 0x12)) == 0x123456u && TColorFromColor(QColor()) == clDefault);
}

}  // namespace

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
