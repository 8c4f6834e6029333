// The calculator program: the application frame around the calculator window.
#include "app/qt/application.h"
#include "app/qt/message_box_display.h"
#include "ui/calculator_window.h"
#include "ui/link_opener.h"
#include "notice/notice_client.h"

#include <QApplication>

#include <clocale>
#include <memory>

int main(int argc, char* argv[])
{
    // The command line changes nothing: Qt is shown only the program's name.
    static char fallbackName[] = "bent-glass-calculator";
    char* programName[] = {argc > 0 && argv[0] != nullptr ? argv[0] : fallbackName, nullptr};
    int programArgc = 1;
    QApplication qtApplication(programArgc, programName);
    // Qt puts the C library into the user's locale; number texts follow the
    // calculator's own number settings, never the C library's.
    std::setlocale(LC_NUMERIC, "C");

    QtMessageBoxDisplay boxes;
    TApplication application(boxes);
    DesktopLinkOpener links;
    NoticeHttpClient http;
    return RunApplication(application,
                          [&links, &http](TApplication& app) { return std::make_unique<TForm1>(app, links, http); });
}
