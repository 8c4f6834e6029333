// libFuzzer target for the reader of the notice's HTTP response, which reads
// bytes from the network.
//
// Input: a control byte, then the bytes of a response. The low six bits of
// the control byte give the size of the pieces the bytes arrive in (0: all at
// once); bit 6 closes the connection after the last piece; bit 7 reads with
// small limits, so that every limit is reached by short inputs.
//
// Properties, each checked on every input:
//  1. Nothing crashes, hangs or makes a sanitizer report, and taking the
//     notice from the response raises nothing.
//  2. However the bytes are cut into pieces, the outcome is the one of
//     reading them all at once: the state, the status code, the body and the
//     notice.
//  3. The body never exceeds its limit, and a failed response keeps no body.
//  4. Once complete or failed, the reader takes no more bytes: its outcome
//     stays as it is.
#include "notice/http_response_parser.h"
#include "notice/notice_client.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

constexpr HttpResponseParser::Limits kSmallLimits{40, 160, 96};

[[noreturn]] void Fail(const char* property)
{
    std::fprintf(stderr, "property failed: %s\n", property);
    std::abort();
}

struct Outcome {
    HttpResponseParser::State state;
    int statusCode;
    QByteArray body;
    std::optional<QString> notice;

    bool operator==(const Outcome&) const = default;
};

Outcome OutcomeOf(const HttpResponseParser& response)
{
    return {response.CurrentState(), response.StatusCode(), response.Body(), NoticeFromResponse(response)};
}

void Read(HttpResponseParser& response, QByteArrayView bytes, qsizetype piece, bool closed)
{
    if (piece == 0) {
        response.Feed(bytes);
    } else {
        for (qsizetype at = 0; at < bytes.size(); at += piece)
            response.Feed(bytes.sliced(at, std::min(piece, bytes.size() - at)));
    }
    if (closed)
        response.ConnectionClosed();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t control = data[0];
    const QByteArrayView bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    const qsizetype piece = control & 0x3F;
    const bool closed = (control & 0x40) != 0;
    const HttpResponseParser::Limits limits = (control & 0x80) != 0 ? kSmallLimits : kNoticeLimits;

    HttpResponseParser whole(limits);
    Read(whole, bytes, 0, closed);
    HttpResponseParser pieces(limits);
    Read(pieces, bytes, piece, closed);

    const Outcome outcome = OutcomeOf(whole);
    if (OutcomeOf(pieces) != outcome)
        Fail("the pieces give another outcome than the whole");
    if (outcome.body.size() > limits.bodyBytes)
        Fail("body over its limit");
    if (outcome.state == HttpResponseParser::State::Failed && !outcome.body.isEmpty())
        Fail("a failed response kept its body");
    if (outcome.state != HttpResponseParser::State::Reading) {
        whole.Feed(bytes);
        whole.ConnectionClosed();
        if (OutcomeOf(whole) != outcome)
            Fail("a finished response took more bytes");
    }
    return 0;
}
