#include "app/failure_report.h"

#include "app/errors.h"

#include <cstdio>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace {

std::string TypeName(const std::type_info* type)
{
    if (type == nullptr)
        return "unknown";
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(type->name(), nullptr, nullptr, &status), &std::free);
    return status == 0 && demangled ? std::string(demangled.get()) : std::string(type->name());
}

} // namespace

EscapedError DescribeEscapedError(std::exception_ptr error)
{
    EscapedError described;
    if (!error)
        return described;
    try {
        std::rethrow_exception(error);
    } catch (const Exception& e) {
        described.className = e.ClassName();
        described.message = e.Message();
        described.isException = true;
        described.isAbort = dynamic_cast<const EAbort*>(&e) != nullptr;
    } catch (const std::exception& e) {
        described.className = TypeName(&typeid(e));
        described.message = e.what();
    } catch (...) {
        described.className = TypeName(abi::__cxa_current_exception_type());
    }
    return described;
}

std::string FailureReportText(const std::string& className, const std::string& moduleName, std::uintptr_t address,
                              const std::string& message)
{
    char place[16];
    std::snprintf(place, sizeof place, "%08X", static_cast<unsigned>(address & 0xFFFFFFFFu));
    const bool period = !message.empty() && message.back() != '.';
    return "Exception " + className + " in module " + moduleName + " at " + place + ".\r\n" + message +
           (period ? "." : "") + "\r\n";
}
