#pragma once

class QWidget;

// How the launcher asked for the main window to appear.
enum class ShowState {
    Normal,
    Maximized,
    MinimizedNoActivate,  // minimised without becoming the active window
};

// The show state the launcher passed to the program, where the platform
// passes one (Windows); Normal elsewhere.
ShowState LauncherShowState();

// Shows the main window in the given state.
void ShowMainWindow(QWidget& window, ShowState state);
