#include "app/qt/desktop_session.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr char kNoDesktop[] =
    "bent-glass-calculator: the calculator needs a graphical desktop, and none could be reached "
    "(no X11 or Wayland display)\n";

// A message Qt gave while it connected, kept until it is known whether the
// program starts at all.
struct HeldMessage {
    QtMsgType type;
    std::string file;
    std::string function;
    std::string category;
    int line;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> heldMessages;

bool Set(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Qt's own report of a failed connection is several lines long and ends in
// an abort; the program's single line takes its place.
void HoldUntilConnected(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg)
        ExitForWantOfDesktop();
    heldMessages.push_back({type, context.file ? context.file : "", context.function ? context.function : "",
                            context.category ? context.category : "", context.line, message});
}

} // namespace

bool DesktopNamed()
{
    return Set("QT_QPA_PLATFORM") || Set("DISPLAY") || Set("WAYLAND_DISPLAY");
}

void ExitForWantOfDesktop()
{
    std::fputs(kNoDesktop, stderr);
    std::fflush(stderr);
    // Nothing of the program has started that would need ending.
    std::_Exit(1);
}

DesktopConnectionGuard::DesktopConnectionGuard()
{
    previousHandler = qInstallMessageHandler(HoldUntilConnected);
}

DesktopConnectionGuard::~DesktopConnectionGuard()
{
    qInstallMessageHandler(previousHandler);
    // Connected after all: what Qt said meanwhile is said now.
    for (const HeldMessage& held : heldMessages) {
        const QMessageLogContext context(held.file.c_str(), held.line, held.function.c_str(), held.category.c_str());
        qt_message_output(held.type, context, held.text);
    }
    heldMessages.clear();
}
