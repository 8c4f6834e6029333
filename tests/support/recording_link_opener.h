#pragma once

#include "ui/link_opener.h"

#include <functional>
#include <string>
#include <vector>

// Opens nothing: records each link, then runs `onOpen` (a test makes it throw).
class RecordingLinkOpener : public LinkOpener {
public:
    void Open(const std::string& link) override
    {
        links.push_back(link);
        if (onOpen)
            onOpen();
    }

    std::vector<std::string> links;
    std::function<void()> onOpen;
};
