#pragma once
// The run-time library's exception classes that the program's design relies on.

#include <QString>
#include <stdexcept>

// Base of the program's own and the run-time library's exceptions: carries a display text.
class Exception : public std::runtime_error {
public:
    explicit Exception(const QString& message);
    QString Message() const { return message_; }

private:
    QString message_;
};

// A text that is not a number ("'abc' is not a valid floating point value").
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// An index outside its range.
class ERangeError : public Exception {
public:
    using Exception::Exception;
};

// A file that cannot be read or written.
class EInOutError : public Exception {
public:
    using Exception::Exception;
};

// The silent abort: ends the current operation without any message. The application's
// event loop swallows it.
class EAbort : public Exception {
public:
    EAbort();
};

// Raises the silent abort.
[[noreturn]] void Abort();

// A stream that ends early or holds data that cannot be what it claims to be.
class EReadError : public Exception {
public:
    using Exception::Exception;
};

// The stream-read message ("Stream read error"), translated.
QString SReadError();
