#include "platform/Application.h"
#include "platform/Colors.h"
#include "platform/Exceptions.h"
#include "platform/FocusRules.h"
#include "platform/MessageBox.h"
#include "QStringPrinter.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace {

// Raises whatever the test hands it when it receives an event.
class Thrower : public QObject {
public:
    std::function<void()> raise;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::User)
            raise();
        return true;
    }
};

class PlatformGui : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "test_platform_gui";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<TApplication>(argc, argv);
    }
    static void TearDownTestSuite() { app.reset(); }

    void SetUp() override
    {
        SetMessageHook([this](const MessageRequest& r) {
            shown.push_back(r);
            return true;
        });
    }
    void TearDown() override
    {
        SetMessageHook(nullptr);
        app->OnException = nullptr;
    }

    static void Deliver(std::function<void()> raise)
    {
        Thrower target;
        target.raise = std::move(raise);
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&target, &event);
    }

    static std::unique_ptr<TApplication> app;
    std::vector<MessageRequest> shown;
};

std::unique_ptr<TApplication> PlatformGui::app;

TEST_F(PlatformGui, NotifyReportsExceptionsButTheSilentAbortOrHandsThemOn)
{
    EXPECT_EQ(Application(), app.get());
    Deliver([] { Abort(); });
    Deliver([] { throw EConvertError(QString::fromUtf8("'x\xc3\xa4' is not a valid integer value")); });
    Deliver([] { throw std::out_of_range("index 7"); });
    Deliver([] { throw 42; });
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].text, QString::fromUtf8("'x\xc3\xa4' is not a valid integer value"));
    EXPECT_TRUE(shown[0].kind == MessageKind::Error && !shown[0].yesNo);
    EXPECT_EQ(shown[1].text, "index 7");
    EXPECT_FALSE(shown[2].text.isEmpty());

    // A handler of the program's replaces the box.
    QString seen;
    app->OnException = [&](const std::exception& e) { seen = QString::fromUtf8(e.what()); };
    Deliver([] { throw std::runtime_error("custom"); });
    Deliver([] { Abort(); });
    EXPECT_EQ(seen, "custom");
    EXPECT_EQ(shown.size(), 3u);
}

TEST_F(PlatformGui, RealBoxReturnsTheButton)
{
    SetMessageHook(nullptr);
    for (const auto button : {QMessageBox::Yes, QMessageBox::No}) {
        QTimer::singleShot(0, [button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text(), "Continue?");
            EXPECT_EQ(box->icon(), QMessageBox::Question);
            box->button(button)->click();
        });
        MessageRequest request{.caption = {}, .text = "Continue?", .kind = MessageKind::Question, .yesNo = true};
        EXPECT_EQ(ShowMessage(request), button == QMessageBox::Yes);
    }
}

TEST(FocusRules, ActivationAndPopupsAreNotTheUsers)
{
    for (const Qt::FocusReason reason : {Qt::MouseFocusReason, Qt::TabFocusReason, Qt::BacktabFocusReason,
                                         Qt::ShortcutFocusReason, Qt::OtherFocusReason, Qt::ActiveWindowFocusReason,
                                         Qt::PopupFocusReason}) {
        const bool user = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        const QFocusEvent event(QEvent::FocusOut, reason);
        EXPECT_TRUE(IsUserFocusReason(reason) == user && IsUserFocusChange(&event) == user) << reason;
    }
}

// Records whether the focus changes a control sees count as the user's.
class FocusWatch : public QObject {
public:
    std::vector<bool> seen;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            seen.push_back(IsUserFocusChange(static_cast<QFocusEvent*>(event)));
        return false;
    }
};

TEST_F(PlatformGui, FocusReturnIsDeferredAloneAndNotTheUsers)
{
    QWidget window;
    auto* rejected = new QLineEdit(QStringLiteral("abc"), &window);
    auto* passed = new QLineEdit(&window);
    window.show();
    window.activateWindow();
    for (int i = 0; i < 100 && !window.isActiveWindow(); ++i)
        QCoreApplication::processEvents();
    ASSERT_TRUE(window.isActiveWindow());
    passed->setFocus(Qt::MouseFocusReason);
    FocusWatch watch;
    passed->installEventFilter(&watch);

    ReturnFocusLater(rejected, TFocusReturn::SelectAll);
    ReturnFocusLater(passed);  // a second return while one is pending is dropped
    EXPECT_TRUE(FocusReturnActive() && window.focusWidget() == passed);  // not before the current event is over
    QCoreApplication::processEvents();
    EXPECT_TRUE(!FocusReturnActive() && window.focusWidget() == rejected);
    EXPECT_EQ(rejected->selectedText(), QStringLiteral("abc"));
    EXPECT_EQ(watch.seen, std::vector<bool>{false});  // the passed-through field's exit

    // A return whose target is gone ends all the same.
    auto* gone = new QLineEdit(&window);
    ReturnFocusLater(gone);
    delete gone;
    QCoreApplication::processEvents();
    EXPECT_TRUE(!FocusReturnActive() && window.focusWidget() == rejected);
}

TEST(Colors, BlueGreenRedValues)
{
    EXPECT_EQ(ColorFromTColor(0x123456), QColor(0x56, 0x34, 0x12));
    EXPECT_FALSE(ColorFromTColor(clNone).isValid());
    EXPECT_EQ(TColorFromColor(QColor(0x56, 0x34, 0x12)), 0x123456u);
    EXPECT_EQ(TColorFromColor(QColor()), clDefault);
}

}  // namespace
