// bendcalc, the calculator's command-line companion: one pane from the
// terminal, or whole order lists, with the window's own figures.
#include "app/errors.h"
#include "bendcalc/batch_command.h"
#include "bendcalc/command_line.h"
#include "bendcalc/solve_command.h"
#include "bendcalc/template_command.h"

#include <QGuiApplication>

#include <memory>

#include <clocale>
#include <cstdio>
#include <new>
#include <string_view>

namespace {

constexpr char kUsage[] =
    "Usage: bendcalc solve [options]        one pane from its quantities\n"
    "       bendcalc batch FILE [options]   a whole order list, CSV in and CSV out\n"
    "       bendcalc template [options]     a drawing and 1:1 template: PDF, SVG or DXF\n"
    "       bendcalc ordinates [options]    the heights of the faces above the chord\n"
    "       bendcalc COMMAND --help         the options of a command\n"
    "       bendcalc --version\n";

// Qt's own notes (a missing runtime folder, a font it stands in for) are no
// business of a command-line user; its fatal errors still end the program.
void KeepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg || type == QtCriticalMsg)
        std::fprintf(stderr, "bendcalc: %s\n", message.toLocal8Bit().constData());
}

int Run(const QStringList& arguments)
{
    const QString command = arguments.value(1);
    if (command == "solve")
        return RunSolve(arguments);
    if (command == "batch")
        return RunBatch(arguments);
    if (command == "template")
        return RunTemplate(arguments);
    if (command == "ordinates")
        return RunOrdinates(arguments);
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
    // Templates draw their texts with Qt's fonts, which need a GUI
    // application; it never shows a window, so no desktop is needed.
    qInstallMessageHandler(KeepQtQuiet);
    const bool drawing = argc > 1 && std::string_view(argv[1]) == "template";
    if (drawing)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> application =
        drawing ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
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
