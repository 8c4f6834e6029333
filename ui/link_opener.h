#pragma once

#include <QUrl>

#include <string>

// Asks the desktop to open a link. The answer is not examined: a link that
// nothing on the desktop can open is simply not opened.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    virtual void Open(const std::string& link) = 0;
};

// The real opener: the desktop's handler for the link's scheme.
class DesktopLinkOpener : public LinkOpener {
public:
    void Open(const std::string& link) override;
};

// The address the desktop is given for a link: a bare host name becomes an
// http address, a link with a scheme stays as it is.
QUrl DesktopUrl(const std::string& link);
