#pragma once

#include <cstdint>
#include <exception>
#include <string>

// What the reports need to know of an error that escaped: its class name and
// its message, and whether it is one of the application's own errors.
struct EscapedError {
    std::string className;
    std::string message;
    bool isException = false;  // an Exception (or derived class)
    bool isAbort = false;      // an EAbort: ends a command silently
};

// Describes any thrown object: the application's errors by their own class
// names, standard exceptions and other types by their C++ type names.
EscapedError DescribeEscapedError(std::exception_ptr error);

// The text of the report shown when the program fails to start, also used for
// an escaped error that is not an Exception:
// "Exception <class> in module <file> at <address>.\r\n<message><period>\r\n".
// The address is given as 8 hexadecimal digits; the period is added when the
// message is not empty and its last byte is not ".".
std::string FailureReportText(const std::string& className, const std::string& moduleName, std::uintptr_t address,
                              const std::string& message);
