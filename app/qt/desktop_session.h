#pragma once

// Started where no graphical desktop can be reached (over ssh, on a text
// console), the calculator ends with one line on standard error and exit code
// 1 instead of Qt's abort.

// Whether the environment names a desktop to show windows on: a Qt platform
// chosen in QT_QPA_PLATFORM, an X11 display or a Wayland display.
bool DesktopNamed();

// Prints that the program needs a graphical desktop and ends it with exit
// code 1.
[[noreturn]] void ExitForWantOfDesktop();

// While it exists, a fatal error that Qt reports (it could not connect to the
// desktop the environment names) ends the program as ExitForWantOfDesktop
// does. Qt's other messages meanwhile are held back and given when the guard
// ends, so a failed start shows the program's one line alone.
class DesktopConnectionGuard {
public:
    DesktopConnectionGuard();
    ~DesktopConnectionGuard();
    DesktopConnectionGuard(const DesktopConnectionGuard&) = delete;
    DesktopConnectionGuard& operator=(const DesktopConnectionGuard&) = delete;
};
