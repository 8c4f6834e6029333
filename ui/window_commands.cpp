// The window's own commands: close and the two links.
#include "app/qt/application.h"
#include "ui/calculator_window.h"
#include "ui/link_opener.h"

namespace {

// The vendor's web site, as a bare host name: the desktop decides how to
// open it.
constexpr char kWebSite[] = "www.vitralis-glass.cn";

// The vendor's instant-messaging contact.
constexpr char kMessagingLink[] = "tencent://message/?uin=2850163741&Site=维特力斯玻璃&Menu=yes";

} // namespace

void TForm1::Button3Click(QObject*)
{
    application_.Terminate();
}

void TForm1::Image1Click(QObject*)
{
    links_.Open(kMessagingLink);
}

void TForm1::Image2Click(QObject*)
{
    links_.Open(kWebSite);
}
