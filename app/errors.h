#pragma once

#include <exception>
#include <string>

// The application's error classes. Every error the calculator raises or
// receives is an Exception carrying its message text; the class name is part
// of the start-up failure report.
class Exception : public std::exception {
public:
    explicit Exception(std::string message);

    const std::string& Message() const { return message_; }
    virtual std::string ClassName() const { return "Exception"; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// A command ends itself silently after it has shown its own message.
class EAbort : public Exception {
public:
    EAbort();
    std::string ClassName() const override { return "EAbort"; }
};

// A field text that is not a number, or a format pattern that is too long.
class EConvertError : public Exception {
public:
    explicit EConvertError(std::string message);
    std::string ClassName() const override { return "EConvertError"; }
};

// Errors signalled by the processor rather than raised by the program.
class EExternal : public Exception {
public:
    explicit EExternal(std::string message);
    std::string ClassName() const override { return "EExternal"; }
};

class EMathError : public EExternal {
public:
    explicit EMathError(std::string message);
    std::string ClassName() const override { return "EMathError"; }
};

class EInvalidOp : public EMathError {
public:
    EInvalidOp();
    std::string ClassName() const override { return "EInvalidOp"; }
};

class EZeroDivide : public EMathError {
public:
    EZeroDivide();
    std::string ClassName() const override { return "EZeroDivide"; }
};

class EOverflow : public EMathError {
public:
    EOverflow();
    std::string ClassName() const override { return "EOverflow"; }
};

// Underflow is masked, so this is never raised; it exists for completeness of
// the floating-point error family.
class EUnderflow : public EMathError {
public:
    EUnderflow();
    std::string ClassName() const override { return "EUnderflow"; }
};

// The text of the error report for an error that escaped a command: the
// message, with a period appended unless its last character (a Unicode code
// point of the UTF-8 text) is 0x2E or lower. Chinese characters get the period.
std::string ErrorReportText(const std::string& message);
