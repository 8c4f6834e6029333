// The calculator program: the application frame around the calculator window.
#include "app/qt/application.h"
#include "app/qt/desktop_session.h"
#include "app/qt/message_box_display.h"
#include "app/qt/qt_translations.h"
#include "notice/notice_client.h"
#include "ui/calculator_window.h"
#include "ui/link_opener.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

#include <clocale>
#include <memory>
#include <optional>

int main(int argc, char* argv[])
{
    // The command line changes nothing: Qt is shown only the program's name.
    static char fallbackName[] = "bent-glass-calculator";
    char* programName[] = {argc > 0 && argv[0] != nullptr ? argv[0] : fallbackName, nullptr};
    int programArgc = 1;
    if (!DesktopNamed())
        ExitForWantOfDesktop();
    std::optional<DesktopConnectionGuard> connecting(std::in_place);
    QApplication qtApplication(programArgc, programName);
    connecting.reset();
    // Qt puts the C library into the user's locale; number texts follow the
    // calculator's own number settings, never the C library's.
    std::setlocale(LC_NUMERIC, "C");
    // Qt's own buttons and menus in the desktop's language.
    const std::unique_ptr<QTranslator> qtTexts = LoadQtTranslations(QLocale::system());
    if (qtTexts)
        QCoreApplication::installTranslator(qtTexts.get());

    QtMessageBoxDisplay boxes;
    TApplication application(boxes);
    DesktopLinkOpener links;
    NoticeHttpClient http;
    return RunApplication(application,
                          [&links, &http](TApplication& app) { return std::make_unique<TForm1>(app, links, http); });
}
