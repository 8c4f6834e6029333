#pragma once

#include "notice/notice_client.h"

#include <QList>
#include <QUrl>

#include <optional>

// A notice client for window tests: records the addresses asked for and
// answers with a set notice, or with "no notice" as a failed fetch does.
class FakeNoticeFetcher : public NoticeFetcher {
public:
    std::optional<QString> Get(const QUrl& url) override
    {
        requests.append(url);
        return notice;
    }

    std::optional<QString> notice;
    QList<QUrl> requests;
};
