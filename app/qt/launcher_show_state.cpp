#include "app/qt/launcher_show_state.h"

#include <QWidget>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

ShowState LauncherShowState()
{
#ifdef Q_OS_WIN
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    if (startup.dwFlags & STARTF_USESHOWWINDOW) {
        if (startup.wShowWindow == SW_SHOWMAXIMIZED)
            return ShowState::Maximized;
        if (startup.wShowWindow == SW_SHOWMINNOACTIVE)
            return ShowState::MinimizedNoActivate;
    }
#endif
    return ShowState::Normal;
}

void ShowMainWindow(QWidget& window, ShowState state)
{
    switch (state) {
    case ShowState::Maximized:
        window.showMaximized();
        break;
    case ShowState::MinimizedNoActivate:
        window.setAttribute(Qt::WA_ShowWithoutActivating);
        window.showMinimized();
        break;
    case ShowState::Normal:
        window.show();
        break;
    }
}
