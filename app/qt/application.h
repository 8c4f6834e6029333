#pragma once

#include "app/message_box.h"

#include <QObject>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <utility>

class Exception;
class MessageBoxDisplay;
class QWidget;

// The application object: its title, its own message box, the handler of
// errors that escape an event handler, and the quit request. One per process.
class TApplication : public QObject, public MessageOwner {
    Q_OBJECT

public:
    explicit TApplication(MessageBoxDisplay& boxes);
    ~TApplication() override;

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    // How the program's boxes reach the screen; the calculator window shows
    // its own box through it too.
    MessageBoxDisplay& Boxes() const { return boxes_; }

    // The application box: no owner window, every window of the program
    // takes no input while it is open.
    int MessageBox(const std::string& text, const std::string& caption, int flags) override;

    // Reports an error that ended a command: its message with the period
    // rule, the application title as caption, the stop icon.
    void ShowException(const Exception& error);

    // The escaped-error handler: EAbort is silent, any other Exception goes
    // to ShowException, anything else gets the failure report. The program
    // goes on in every case.
    void HandleException(std::exception_ptr error) noexcept;

    // Runs one event handler. Whatever it throws is handled here, so no
    // error ever reaches Qt's event loop.
    template <class Handler>
    void Guard(Handler&& handler) noexcept
    {
        try {
            std::forward<Handler>(handler)();
        } catch (...) {
            HandleException(std::current_exception());
        }
    }

    // Asks the event loop to end with exit code 0 once the event being
    // handled has finished.
    void Terminate();

    // Reads the number settings from the locale, at start-up and whenever
    // Qt announces a locale change. Tests replace it to watch the calls.
    void ReadNumberSettings() const;
    void SetNumberSettingsReader(std::function<void()> reader);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MessageBoxDisplay& boxes_;
    std::string title_;
    std::function<void()> readNumberSettings_;
};

// The name of the running program's file, without its folder.
std::string ProgramFileName();

// Makes the main window of the program.
using MainWindowFactory = std::function<std::unique_ptr<QWidget>(TApplication&)>;

// Starts the program in an existing QApplication: floating-point settings and
// number settings, the title, the main window, the launcher's show state, the
// event loop. Returns the exit code: 0 after a normal end, 1 when the main
// window could not be created (after the start-up failure report).
int RunApplication(TApplication& application, const MainWindowFactory& createMainWindow);
