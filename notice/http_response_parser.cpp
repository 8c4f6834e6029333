#include "notice/http_response_parser.h"

#include <QByteArrayList>

#include <algorithm>
#include <optional>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The value of a run of digits in base 10 or 16. A value above `limit` comes
// back as limit + 1, which is all a caller needs to refuse it; a text that is
// not such a run gives nothing.
std::optional<qsizetype> ParseCount(QByteArrayView digits, int base, qsizetype limit)
{
    if (digits.isEmpty())
        return std::nullopt;
    qsizetype value = 0;
    for (const char c : digits) {
        int digit = 0;
        if (IsDigit(c))
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = std::min(value * base + digit, limit + 1);
    }
    return value;
}

// The comma-separated items of every value of one header field, trimmed.
QByteArrayList ListItems(const QList<QByteArray>& values)
{
    QByteArrayList items;
    for (const QByteArray& value : values) {
        for (const QByteArray& item : value.split(','))
            items.append(item.trimmed());
    }
    return items;
}

} // namespace

HttpResponseParser::HttpResponseParser(Limits limits) : limits_(limits) {}

void HttpResponseParser::Feed(QByteArrayView bytes)
{
    if (state_ != State::Reading)
        return;
    pending_.append(bytes);

    QByteArray line;
    while (state_ == State::Reading) {
        if (InBody()) {
            if (!TakeBody())
                return;
        } else {
            if (!TakeLine(line))
                return;
            ReadLine(line);
        }
    }
}

bool HttpResponseParser::InBody() const
{
    return phase_ == Phase::FixedBody || phase_ == Phase::ChunkData || phase_ == Phase::BodyUntilClose;
}

void HttpResponseParser::ReadLine(const QByteArray& line)
{
    switch (phase_) {
    case Phase::StatusLine:
        ReadStatusLine(line);
        break;
    case Phase::Headers:
        ReadHeaderLine(line);
        break;
    case Phase::ChunkSize:
        ReadChunkSize(line);
        break;
    case Phase::ChunkEnd:
        // The line end that closes a chunk's data, and nothing before it.
        if (line.isEmpty())
            phase_ = Phase::ChunkSize;
        else
            Fail();
        break;
    case Phase::Trailers:
        // Trailer fields carry nothing the notice needs; only their end matters.
        if (CountHeaderBytes(line) && line.isEmpty())
            MarkComplete();
        break;
    case Phase::FixedBody:
    case Phase::ChunkData:
    case Phase::BodyUntilClose:
    case Phase::Done:
        break;
    }
}

void HttpResponseParser::ConnectionClosed()
{
    if (state_ != State::Reading)
        return;
    if (phase_ == Phase::BodyUntilClose)
        MarkComplete();
    else
        Fail();
}

QList<QByteArray> HttpResponseParser::HeaderValues(QByteArrayView name) const
{
    QList<QByteArray> values;
    for (const HeaderField& field : headers_) {
        if (name.compare(field.name, Qt::CaseInsensitive) == 0)
            values.append(field.value);
    }
    return values;
}

// Takes one line ending in CR LF (a bare LF is accepted too) without its line
// end. A line longer than the limit fails the response rather than being cut.
bool HttpResponseParser::TakeLine(QByteArray& line)
{
    const qsizetype lineFeed = pending_.indexOf('\n');
    if (lineFeed < 0) {
        // One byte of room for the carriage return that may precede the line feed.
        if (pending_.size() > limits_.lineLength + 1)
            Fail();
        return false;
    }
    qsizetype length = lineFeed;
    if (length > 0 && pending_.at(length - 1) == '\r')
        --length;
    if (length > limits_.lineLength) {
        Fail();
        return false;
    }
    line = pending_.left(length);
    pending_.remove(0, lineFeed + 1);
    // A stray carriage return or NUL inside a line is malformed; letting it
    // through would also carry it into a cookie sent back to the server.
    if (line.contains('\r') || line.contains('\0')) {
        Fail();
        return false;
    }
    return true;
}

// Moves body bytes out of the pending input. True when the fixed-length body
// or the current chunk is complete and parsing should go on.
bool HttpResponseParser::TakeBody()
{
    if (pending_.isEmpty())
        return false;
    if (phase_ == Phase::BodyUntilClose) {
        AppendBody(pending_);
        pending_.clear();
        return false;
    }

    const qsizetype taken = std::min(bodyBytesLeft_, pending_.size());
    AppendBody(QByteArrayView(pending_).first(taken));
    pending_.remove(0, taken);
    bodyBytesLeft_ -= taken;
    if (state_ != State::Reading || bodyBytesLeft_ > 0)
        return false;
    if (phase_ == Phase::FixedBody)
        MarkComplete();
    else
        phase_ = Phase::ChunkEnd;
    return true;
}

bool HttpResponseParser::CountHeaderBytes(const QByteArray& line)
{
    headerBytesRead_ += line.size() + 2;
    if (headerBytesRead_ > limits_.headerBytes) {
        Fail();
        return false;
    }
    return true;
}

// "HTTP/1.1 200 OK": the protocol version, a three-digit code and a reason
// phrase that may be empty or missing.
void HttpResponseParser::ReadStatusLine(const QByteArray& line)
{
    if (!CountHeaderBytes(line))
        return;
    const bool wellFormed = line.size() >= 12 && line.startsWith("HTTP/1.") && IsDigit(line.at(7))
                            && line.at(8) == ' ' && IsDigit(line.at(9)) && IsDigit(line.at(10))
                            && IsDigit(line.at(11)) && (line.size() == 12 || line.at(12) == ' ');
    if (!wellFormed) {
        Fail();
        return;
    }
    statusCode_ = QByteArrayView(line).sliced(9, 3).toInt();
    if (statusCode_ < 100) {
        Fail();
        return;
    }
    headers_.clear();
    phase_ = Phase::Headers;
}

void HttpResponseParser::ReadHeaderLine(const QByteArray& line)
{
    if (!CountHeaderBytes(line))
        return;
    if (line.isEmpty()) {
        EndHeaderSection();
        return;
    }
    if (IsBlank(line.front())) {
        // An obsolete folded continuation of the previous field's value.
        if (headers_.isEmpty()) {
            Fail();
            return;
        }
        headers_.last().value += ' ' + line.trimmed();
        return;
    }
    const qsizetype colon = line.indexOf(':');
    const QByteArray name = line.left(std::max<qsizetype>(colon, 0));
    if (name.isEmpty() || std::any_of(name.begin(), name.end(), IsBlank)) {
        Fail();
        return;
    }
    headers_.append({name, line.mid(colon + 1).trimmed()});
}

void HttpResponseParser::EndHeaderSection()
{
    // An interim response (100 Continue and the like) is followed by the real
    // one; a switch to another protocol is nothing this reader can follow.
    if (statusCode_ < 200) {
        if (statusCode_ == 101)
            Fail();
        else
            phase_ = Phase::StatusLine;
        return;
    }
    headerSectionRead_ = true;
    StartBody();
}

void HttpResponseParser::StartBody()
{
    if (statusCode_ == 204 || statusCode_ == 304) {
        MarkComplete();
        return;
    }

    const QByteArrayList transferCodings = ListItems(HeaderValues("Transfer-Encoding"));
    if (!transferCodings.isEmpty()) {
        // Only the chunked coding is undone here; any other would leave the
        // body unreadable.
        if (transferCodings.size() == 1 && transferCodings.front().compare("chunked", Qt::CaseInsensitive) == 0)
            phase_ = Phase::ChunkSize;
        else
            Fail();
        return;
    }

    const QByteArrayList lengths = ListItems(HeaderValues("Content-Length"));
    if (lengths.isEmpty()) {
        phase_ = Phase::BodyUntilClose;
        return;
    }
    // Repeated lengths must agree, or where the body ends is unknown.
    std::optional<qsizetype> length;
    for (const QByteArray& text : lengths) {
        const std::optional<qsizetype> value = ParseCount(text, 10, limits_.bodyBytes);
        if (!value || (length && *length != *value)) {
            Fail();
            return;
        }
        length = value;
    }
    if (*length > limits_.bodyBytes) {
        Fail();
        return;
    }
    bodyBytesLeft_ = *length;
    phase_ = Phase::FixedBody;
    if (bodyBytesLeft_ == 0)
        MarkComplete();
}

// "1a;name=value": the chunk size in hexadecimal, then extensions that are ignored.
void HttpResponseParser::ReadChunkSize(const QByteArray& line)
{
    const qsizetype semicolon = line.indexOf(';');
    const QByteArray digits = (semicolon < 0 ? line : line.left(semicolon)).trimmed();
    const std::optional<qsizetype> size = ParseCount(digits, 16, limits_.bodyBytes);
    if (!size || body_.size() + *size > limits_.bodyBytes) {
        Fail();
        return;
    }
    if (*size == 0) {
        phase_ = Phase::Trailers;
        return;
    }
    bodyBytesLeft_ = *size;
    phase_ = Phase::ChunkData;
}

void HttpResponseParser::AppendBody(QByteArrayView bytes)
{
    if (body_.size() + bytes.size() > limits_.bodyBytes) {
        Fail();
        return;
    }
    body_.append(bytes);
}

void HttpResponseParser::MarkComplete()
{
    state_ = State::Complete;
    phase_ = Phase::Done;
    pending_.clear();
}

void HttpResponseParser::Fail()
{
    state_ = State::Failed;
    phase_ = Phase::Done;
    pending_.clear();
    body_.clear();
}
