#pragma once

#include "notice/http_response_parser.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <chrono>
#include <memory>
#include <optional>

class QNetworkCookieJar;

// The vendor's page whose text each calculation shows in the notice line.
inline constexpr char kNoticeUrl[] = "http://www.vitralis-glass.cn/notice/calc.htm";

// The longest a notice fetch may take, from the start of the connection to
// the last byte of the body. Past it the fetch counts as failed, so a server
// that accepts and never answers holds the calculation for no longer.
inline constexpr std::chrono::milliseconds kNoticeTimeLimit{3000};

// A notice is one short line; a larger body is refused, not cut.
inline constexpr qsizetype kNoticeBodyLimit = 64 * 1024;
// The longest status, header or chunk-size line accepted (without its line end).
inline constexpr qsizetype kNoticeLineLimit = 8 * 1024;
// The whole header section of the response.
inline constexpr qsizetype kNoticeHeaderLimit = 64 * 1024;

inline constexpr HttpResponseParser::Limits kNoticeLimits{kNoticeLineLimit, kNoticeHeaderLimit, kNoticeBodyLimit};

// The notice a response read to its end carries: its body read as GBK when
// it is complete, has a success status and no content coding; nothing
// otherwise.
std::optional<QString> NoticeFromResponse(const HttpResponseParser& response);

// Where the window gets its notice text from; tests give the window a fake.
class NoticeFetcher {
public:
    virtual ~NoticeFetcher();

    // One GET of the address. The whole body as text, or nothing when the
    // fetch failed in any way; never throws.
    virtual std::optional<QString> Get(const QUrl& url) = 0;
};

// The window's HTTP client. A fetch is synchronous: it runs a local event
// loop in which the window keeps repainting, and every key press, click and
// wheel turn made meanwhile is thrown away. The request carries
// only the Host, User-Agent, Accept and Content-Type fields and the cookies
// that earlier responses set; it never goes through a proxy and follows no
// redirect. The body is read as GBK whatever charset the response declares.
class NoticeHttpClient final : public NoticeFetcher {
public:
    explicit NoticeHttpClient(std::chrono::milliseconds timeLimit = kNoticeTimeLimit);
    ~NoticeHttpClient() override;
    NoticeHttpClient(const NoticeHttpClient&) = delete;
    NoticeHttpClient& operator=(const NoticeHttpClient&) = delete;

    std::optional<QString> Get(const QUrl& url) override;

private:
    // Reads the whole response, and keeps the cookies it sets.
    void Fetch(const QUrl& url, HttpResponseParser& response);
    QByteArray RequestFor(const QUrl& url) const;

    std::chrono::milliseconds timeLimit_;
    // Cookies live in memory for the life of the client, which is the run.
    std::unique_ptr<QNetworkCookieJar> cookies_;
};
