#include "platform/Application.h"
#include "platform/Colors.h"
#include "platform/Exceptions.h"
#include "platform/MessageBox.h"
#include "QStringPrinter.h"

#include <QAbstractButton>
#include <QEvent>
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
    int delivered = 0;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() != QEvent::User)
            return QObject::event(e);
        ++delivered;
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

    void Deliver(std::function<void()> raise)
    {
        Thrower target;
        target.raise = std::move(raise);
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&target, &event);
        EXPECT_EQ(target.delivered, 1);
    }

    static std::unique_ptr<TApplication> app;
    std::vector<MessageRequest> shown;
};

std::unique_ptr<TApplication> PlatformGui::app;

TEST_F(PlatformGui, NotifyReportsExceptionsButTheSilentAbort)
{
    EXPECT_EQ(Application(), app.get());
    Deliver([] { Abort(); });
    Deliver([] { throw EConvertError(QString::fromUtf8("'x\xc3\xa4' is not a valid integer value")); });
    Deliver([] { throw std::out_of_range("index 7"); });
    Deliver([] { throw 42; });
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].text, QString::fromUtf8("'x\xc3\xa4' is not a valid integer value"));
    EXPECT_EQ(shown[0].kind, MessageKind::Error);
    EXPECT_FALSE(shown[0].yesNo);
    EXPECT_EQ(shown[1].text, "index 7");
    EXPECT_FALSE(shown[2].text.isEmpty());
}

TEST_F(PlatformGui, OnExceptionReplacesTheBox)
{
    QString seen;
    app->OnException = [&](const std::exception& e) { seen = QString::fromUtf8(e.what()); };
    Deliver([] { throw std::runtime_error("custom"); });
    Deliver([] { Abort(); });
    EXPECT_EQ(seen, "custom");
    EXPECT_TRUE(shown.empty());
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
        MessageRequest request;
        request.text = "Continue?";
        request.kind = MessageKind::Question;
        request.yesNo = true;
        EXPECT_EQ(ShowMessage(request), button == QMessageBox::Yes);
    }
}

TEST(Colors, BlueGreenRedValues)
{
    EXPECT_EQ(ColorFromTColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(ColorFromTColor(0x123456), QColor(0x56, 0x34, 0x12));
    EXPECT_FALSE(ColorFromTColor(clNone).isValid());
    EXPECT_FALSE(ColorFromTColor(clDefault).isValid());
    EXPECT_EQ(TColorFromColor(QColor(0x56, 0x34, 0x12)), 0x123456u);
    EXPECT_EQ(TColorFromColor(QColor()), clDefault);
}

}  // namespace
