#include "app/errors.h"

#include <utility>

Exception::Exception(std::string message) : message_(std::move(message)) {}

EAbort::EAbort() : Exception("Operation aborted") {}

EConvertError::EConvertError(std::string message) : Exception(std::move(message)) {}

EExternal::EExternal(std::string message) : Exception(std::move(message)) {}

EMathError::EMathError(std::string message) : EExternal(std::move(message)) {}

EInvalidOp::EInvalidOp() : EMathError("Invalid floating point operation") {}

EZeroDivide::EZeroDivide() : EMathError("Floating point division by zero") {}

EOverflow::EOverflow() : EMathError("Floating point overflow") {}

EUnderflow::EUnderflow() : EMathError("Floating point underflow") {}

std::string ErrorReportText(const std::string& message)
{
    if (message.empty())
        return message;
    // Any byte of a multi-byte UTF-8 sequence is 0x80 or above, and so is the
    // code point it belongs to: only a last ASCII byte can escape the period.
    const auto last = static_cast<unsigned char>(message.back());
    if (last <= 0x2E)
        return message;
    return message + ".";
}
