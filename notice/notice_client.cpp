#include "notice/notice_client.h"

#include "notice/gbk_text.h"
#include "notice/user_input_discarder.h"

#include <QByteArrayList>
#include <QEventLoop>
#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTimer>

namespace {

constexpr char kUserAgent[] = "Mozilla/3.0 (compatible; Indy Library)";
constexpr char kAccept[] = "text/html, */*";
constexpr char kContentType[] = "text/html";

// The path and query of the address; the fragment stays with the client.
QByteArray RequestTarget(const QUrl& url)
{
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    return target;
}

// "host" or "host:port"; user name and password are never sent.
QByteArray HostField(const QUrl& url)
{
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    const int port = url.port();
    if (port != -1 && port != 80)
        host += ':' + QByteArray::number(port);
    return host;
}

// The request names no content coding it accepts, so a coded body is not
// the text of the page.
bool IsContentCoded(const HttpResponseParser& response)
{
    for (const QByteArray& value : response.HeaderValues("Content-Encoding")) {
        for (const QByteArray& coding : value.split(',')) {
            const QByteArray name = coding.trimmed();
            if (!name.isEmpty() && name.compare("identity", Qt::CaseInsensitive) != 0)
                return true;
        }
    }
    return false;
}

} // namespace

NoticeFetcher::~NoticeFetcher() = default;

NoticeHttpClient::NoticeHttpClient(std::chrono::milliseconds timeLimit)
    : timeLimit_(timeLimit), cookies_(std::make_unique<QNetworkCookieJar>())
{
}

NoticeHttpClient::~NoticeHttpClient() = default;

std::optional<QString> NoticeFromResponse(const HttpResponseParser& response)
{
    const bool success = response.CurrentState() == HttpResponseParser::State::Complete
                         && response.StatusCode() >= 200 && response.StatusCode() < 300 && !IsContentCoded(response);
    if (!success)
        return std::nullopt;
    return DecodeGbk(response.Body());
}

std::optional<QString> NoticeHttpClient::Get(const QUrl& url)
{
    // The calculation goes on without a notice whatever went wrong, so
    // nothing may escape from here into it.
    try {
        if (!url.isValid() || url.scheme() != u"http" || url.host().isEmpty())
            return std::nullopt;
        HttpResponseParser response(kNoticeLimits);
        Fetch(url, response);
        return NoticeFromResponse(response);
    } catch (...) {
        return std::nullopt;
    }
}

void NoticeHttpClient::Fetch(const QUrl& url, HttpResponseParser& response)
{
    QEventLoop loop;
    bool over = false;
    const auto finish = [&] {
        over = true;
        loop.quit();
    };

    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    QObject::connect(&deadline, &QTimer::timeout, &loop, finish);

    QTcpSocket socket;
    // Neither the desktop's proxy settings nor a proxy in the environment apply.
    socket.setProxy(QNetworkProxy::NoProxy);
    const QByteArray request = RequestFor(url);
    const auto readArrived = [&] {
        response.Feed(socket.readAll());
        if (response.CurrentState() != HttpResponseParser::State::Reading)
            finish();
    };
    const auto closed = [&] {
        readArrived();
        response.ConnectionClosed();
        finish();
    };
    QObject::connect(&socket, &QTcpSocket::connected, &loop, [&] { socket.write(request); });
    QObject::connect(&socket, &QTcpSocket::readyRead, &loop, readArrived);
    QObject::connect(&socket, &QTcpSocket::disconnected, &loop, closed);
    QObject::connect(&socket, &QTcpSocket::errorOccurred, &loop, [&](QAbstractSocket::SocketError error) {
        if (error == QAbstractSocket::RemoteHostClosedError) {
            closed();
        } else {
            readArrived();
            finish();
        }
    });

    deadline.start(timeLimit_);
    socket.connectToHost(url.host(QUrl::FullyEncoded), static_cast<quint16>(url.port(80)));
    // A refused connection may be reported before the loop would start.
    if (!over) {
        // Input held back for later would arrive after the fetch and act on
        // the results it never saw: it is dropped instead.
        const UserInputDiscarder discarder;
        loop.exec();
    }

    // Stop listening before the socket closes, so that closing it cannot be
    // taken for the end of a body that runs to the close.
    QObject::disconnect(&socket, nullptr, nullptr, nullptr);
    socket.abort();

    if (response.HeaderSectionRead()) {
        for (const QByteArray& value : response.HeaderValues("Set-Cookie"))
            cookies_->setCookiesFromUrl(QNetworkCookie::parseCookies(value), url);
    }
}

QByteArray NoticeHttpClient::RequestFor(const QUrl& url) const
{
    QByteArray request = "GET " + RequestTarget(url) + " HTTP/1.1\r\n";
    request += "Host: " + HostField(url) + "\r\n";
    request += QByteArray("User-Agent: ") + kUserAgent + "\r\n";
    request += QByteArray("Accept: ") + kAccept + "\r\n";
    request += QByteArray("Content-Type: ") + kContentType + "\r\n";

    QByteArrayList cookiePairs;
    for (const QNetworkCookie& cookie : cookies_->cookiesForUrl(url))
        cookiePairs.append(cookie.toRawForm(QNetworkCookie::NameAndValueOnly));
    if (!cookiePairs.isEmpty())
        request += "Cookie: " + cookiePairs.join("; ") + "\r\n";

    request += "\r\n";
    return request;
}
