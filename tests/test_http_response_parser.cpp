// The response reader and what the notice client takes from a response,
// fed the bytes of a response whole, one byte at a time, and split in two at
// every position: however the bytes arrive, the outcome is the same.
#include "notice/http_response_parser.h"
#include "notice/notice_client.h"
#include "support/http_response_text.h"
#include "support/optional_notice.h"

#include <QtTest>

#include <optional>

namespace {

// The notice read from the bytes, given in pieces of the sizes listed (the
// last piece takes the rest), the connection closed afterwards or not.
std::optional<QString> NoticeOf(const QByteArray& bytes, const QList<qsizetype>& pieces, bool closed)
{
    HttpResponseParser response(kNoticeLimits);
    qsizetype at = 0;
    for (const qsizetype size : pieces) {
        response.Feed(QByteArrayView(bytes).sliced(at, std::min(size, bytes.size() - at)));
        at = std::min(at + size, bytes.size());
    }
    response.Feed(QByteArrayView(bytes).sliced(at));
    if (closed)
        response.ConnectionClosed();
    return NoticeFromResponse(response);
}

// Where a response is split in two: everywhere in a short one; in a long
// one, everywhere within its first and last kilobyte and at every 997th
// byte in between.
QList<qsizetype> SplitPoints(qsizetype size)
{
    QList<qsizetype> points;
    for (qsizetype at = 0; at <= size; ++at) {
        if (at < 1024 || size - at < 1024 || at % 997 == 0)
            points.append(at);
    }
    return points;
}

} // namespace

class TestHttpResponseParser : public QObject {
    Q_OBJECT

private slots:
    void responses_data();
    void responses();
};

void TestHttpResponseParser::responses_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("closeAfter");
    QTest::addColumn<std::optional<QString>>("notice");

    const std::optional<QString> none;
    const QByteArray cap(kNoticeBodyLimit, 'a');
    const QByteArray overCap(kNoticeBodyLimit + 1, 'a');
    const QByteArray gbk = "\xb9\xab\xb8\xe6\xa3\xba\xc3\xf7\xcc\xec\xcd\xa3\xb5\xe7";  // 公告：明天停电

    QTest::newRow("GBK text declared as UTF-8")
        << WithLength(gbk, "Content-Type: text/html; charset=utf-8\r\n") << true
        << std::optional<QString>("公告：明天停电");
    QTest::newRow("byte that is not GBK replaced, rest kept")
        << WithLength("a\x81 b") << true << std::optional<QString>("a\uFFFD b");
    QTest::newRow("lead byte cut off at the end") << WithLength("a\xb9") << true << std::optional<QString>("a\uFFFD");
    QTest::newRow("markup returned literally") << WithLength("<b>x</b><img src=a.png>") << true
                                               << std::optional<QString>("<b>x</b><img src=a.png>");
    QTest::newRow("empty body") << WithLength("") << true << std::optional<QString>("");
    QTest::newRow("bare line feeds") << QByteArray("HTTP/1.1 200 OK\nContent-Length: 2\n\nhi") << true
                                     << std::optional<QString>("hi");
    QTest::newRow("interim response first")
        << "HTTP/1.1 100 Continue\r\n\r\n" + WithLength("final") << true << std::optional<QString>("final");
    QTest::newRow("body exactly at the cap") << WithLength(cap) << true << std::optional<QString>(QString(cap));
    QTest::newRow("header line exactly at the limit")
        << WithLength("ok", "X-Pad: " + QByteArray(kNoticeLineLimit - 7, 'p') + "\r\n") << true
        << std::optional<QString>("ok");
    QTest::newRow("body over the cap, by length") << WithLength(overCap) << true << none;
    QTest::newRow("body over the cap, chunked")
        << "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n8000\r\n" + QByteArray(0x8000, 'a') + "\r\n8001\r\n"
               + QByteArray(0x8001, 'a') + "\r\n0\r\n\r\n"
        << true << none;
    QTest::newRow("body over the cap, until the close") << "HTTP/1.0 200 OK\r\n\r\n" + overCap << true << none;
    QTest::newRow("length over the cap announced, nothing sent")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999\r\n\r\n") << false << none;
    QTest::newRow("not found") << QByteArray("HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found") << true
                               << none;
    QTest::newRow("server error") << QByteArray("HTTP/1.1 500 Internal Server Error\r\nContent-Length: 0\r\n\r\n")
                                  << false << none;
    QTest::newRow("redirect not followed")
        << QByteArray("HTTP/1.1 302 Found\r\nLocation: /notice/other.htm\r\nContent-Length: 0\r\n\r\n") << false
        << none;
    QTest::newRow("status line without a code") << QByteArray("HTTP/1.1 OK\r\n\r\nbody") << true << none;
    QTest::newRow("not HTTP at all") << QByteArray("hello there\r\n\r\n") << true << none;
    QTest::newRow("over-long status line")
        << "HTTP/1.1 200 " + QByteArray(kNoticeLineLimit, 'O') + "\r\nContent-Length: 2\r\n\r\nok" << true << none;
    QTest::newRow("over-long header line")
        << WithLength("ok", "X-Pad: " + QByteArray(kNoticeLineLimit - 6, 'p') + "\r\n") << true << none;
    QTest::newRow("header line without a colon") << QByteArray("HTTP/1.1 200 OK\r\nBroken\r\n\r\nbody") << true
                                                 << none;
    QTest::newRow("carriage return inside a cookie")
        << WithLength("ok", "Set-Cookie: a=1\rInjected: yes\r\n") << true << none;
    QTest::newRow("lengths that disagree")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 2\r\nContent-Length: 3\r\n\r\nabc") << true << none;
    QTest::newRow("malformed chunk size")
        << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\nab\r\n0\r\n\r\n") << true << none;
    QTest::newRow("compressed body") << WithLength("\x1f\x8b\x08", "Content-Encoding: gzip\r\n") << true << none;
}

void TestHttpResponseParser::responses()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, closeAfter);
    QFETCH(std::optional<QString>, notice);

    QCOMPARE(NoticeOf(reply, {}, closeAfter), notice);
    QCOMPARE(NoticeOf(reply, QList<qsizetype>(reply.size(), 1), closeAfter), notice);
    for (const qsizetype at : SplitPoints(reply.size())) {
        if (NoticeOf(reply, {at}, closeAfter) != notice)
            QFAIL(qPrintable(QStringLiteral("split at %1").arg(at)));
    }
}

QTEST_MAIN(TestHttpResponseParser)
#include "test_http_response_parser.moc"
