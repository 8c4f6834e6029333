#include "app/qt/application.h"

#include "app/application_title.h"
#include "app/errors.h"
#include "app/failure_report.h"
#include "app/fp_environment.h"
#include "app/qt/launcher_show_state.h"
#include "app/qt/locale_number_settings.h"
#include "app/qt/message_box_display.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QWidget>

#include <cstdint>
#include <dlfcn.h>

namespace {

constexpr char kFailureCaption[] = "Application Error";

// Where in the program the failure was caught, as an offset into the
// program's file so that it is the same from run to run.
[[gnu::noinline]] std::uintptr_t CallerPlace()
{
    const void* code = __builtin_return_address(0);
    const auto address = reinterpret_cast<std::uintptr_t>(code);
    Dl_info module{};
    if (dladdr(code, &module) != 0 && module.dli_fbase != nullptr)
        return address - reinterpret_cast<std::uintptr_t>(module.dli_fbase);
    return address;
}

void ShowFailureReport(MessageBoxDisplay& boxes, const EscapedError& error, std::uintptr_t place)
{
    boxes.Show(nullptr, FailureReportText(error.className, ProgramFileName(), place, error.message), kFailureCaption,
               MessageFlags::StopTaskModal);
}

} // namespace

TApplication::TApplication(MessageBoxDisplay& boxes) : boxes_(boxes), readNumberSettings_(ReadNumberSettingsFromLocale)
{
    // Sees the locale change that Qt announces to the application and to
    // its windows.
    if (QCoreApplication* qtApplication = QCoreApplication::instance())
        qtApplication->installEventFilter(this);
}

TApplication::~TApplication() = default;

int TApplication::MessageBox(const std::string& text, const std::string& caption, int flags)
{
    return boxes_.Show(nullptr, text, caption, flags);
}

void TApplication::ShowException(const Exception& error)
{
    MessageBox(ErrorReportText(error.Message()), title_, MessageFlags::Stop);
}

void TApplication::HandleException(std::exception_ptr error) noexcept
{
    try {
        // A button held down when the error struck is let go.
        if (QWidget* grabber = QWidget::mouseGrabber())
            grabber->releaseMouse();
        try {
            std::rethrow_exception(error);
        } catch (const EAbort&) {
            // The command has said what it had to say.
        } catch (const Exception& e) {
            ShowException(e);
        } catch (...) {
            ShowFailureReport(boxes_, DescribeEscapedError(std::current_exception()), CallerPlace());
        }
    } catch (...) {
        // A report that cannot even be shown is dropped; the program goes on.
    }
}

void TApplication::Terminate()
{
    // Posted, so that the handler asking for the end runs to its end first.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

void TApplication::ReadNumberSettings() const
{
    if (readNumberSettings_)
        readNumberSettings_();
}

void TApplication::SetNumberSettingsReader(std::function<void()> reader)
{
    readNumberSettings_ = std::move(reader);
}

bool TApplication::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::LocaleChange) {
        const bool toApplication = watched == QCoreApplication::instance();
        const bool toWindow = watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow();
        if (toApplication || toWindow)
            ReadNumberSettings();
    }
    return QObject::eventFilter(watched, event);
}

std::string ProgramFileName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
}

int RunApplication(TApplication& application, const MainWindowFactory& createMainWindow)
{
    ResetFloatingPoint();
    application.ReadNumberSettings();
    application.SetTitle(kApplicationTitle);

    std::unique_ptr<QWidget> mainWindow;
    try {
        mainWindow = createMainWindow(application);
    } catch (...) {
        ShowFailureReport(application.Boxes(), DescribeEscapedError(std::current_exception()), CallerPlace());
        return 1;
    }
    // Libraries loaded while the window was made leave no floating-point
    // settings of their own in force.
    ResetFloatingPoint();

    ShowMainWindow(*mainWindow, LauncherShowState());
    return QApplication::exec();
}
