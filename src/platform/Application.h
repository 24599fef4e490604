#pragma once
// The application object. No exception may cross Qt's event loop: every event is delivered
// inside a guard that swallows the silent abort and reports any other exception.

#include <QApplication>

#include <exception>
#include <functional>

class TApplication : public QApplication {
    Q_OBJECT

public:
    using TExceptionEvent = std::function<void(const std::exception&)>;

    TApplication(int& argc, char** argv);
    ~TApplication() override;

    bool notify(QObject* receiver, QEvent* event) override;

    // Reports an exception the way the event loop does: through OnException when one is
    // installed, otherwise in an error box (OK button) with the exception's message.
    void HandleException(const std::exception& error);
    // The default report: the error box.
    static void ShowException(const std::exception& error);

    // Replaces the default report (for example with a translated one). Empty: the error box.
    TExceptionEvent OnException;
};

// The running application object, or nullptr when the application is not a TApplication.
TApplication* Application();
