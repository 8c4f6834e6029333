// bendcalc, the calculator's command-line companion: one pane from the
// terminal, or whole order lists, with the window's own figures.
#include "app/errors.h"
#include "bendcalc/batch_command.h"
#include "bendcalc/command_line.h"
#include "bendcalc/solve_command.h"

#include <QCoreApplication>

#include <clocale>
#include <cstdio>
#include <new>

namespace {

constexpr char kUsage[] =
    "Usage: bendcalc solve [options]        one pane from its quantities\n"
    "       bendcalc batch FILE [options]   a whole order list, CSV in and CSV out\n"
    "       bendcalc COMMAND --help         the options of a command\n"
    "       bendcalc --version\n";

int Run(const QStringList& arguments)
{
    const QString command = arguments.value(1);
    if (command == "solve")
        return RunSolve(arguments);
    if (command == "batch")
        return RunBatch(arguments);
    if (command == "--help" || command == "-h") {
        std::fputs(kUsage, stdout);
        return ExitCode::Ok;
    }
    if (command == "--version") {
        std::printf("bendcalc %s\n", BEND_VERSION);
        return ExitCode::Ok;
    }
    throw EUsageError(command.isEmpty() ? "no command given (see bendcalc --help)"
                                        : "unknown command '" + command.toStdString() + "' (see bendcalc --help)");
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName("bendcalc");
    QCoreApplication::setApplicationVersion(BEND_VERSION);
    // Numbers are the calculator's own texts, never the C library's.
    std::setlocale(LC_NUMERIC, "C");
    try {
        return Run(QCoreApplication::arguments());
    } catch (const Exception& error) {
        std::fprintf(stderr, "bendcalc: %s\n", error.Message().c_str());
    } catch (const std::bad_alloc&) {
        std::fputs("bendcalc: out of memory\n", stderr);
    }
    return ExitCode::Usage;
}
