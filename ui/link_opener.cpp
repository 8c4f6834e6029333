#include "ui/link_opener.h"

#include <QDesktopServices>

QUrl DesktopUrl(const std::string& link)
{
    return QUrl::fromUserInput(QString::fromStdString(link));
}

void DesktopLinkOpener::Open(const std::string& link)
{
    QDesktopServices::openUrl(DesktopUrl(link));
}
