#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// Reads one HTTP/1.x response as its bytes arrive: the status line, the
// header section and a body framed by Content-Length, by the chunked transfer
// coding or by the end of the connection. Whatever it cannot read with
// certainty (a malformed or over-long line, an oversized body, a body cut
// short) fails the whole response; a partial text is never passed on.
class HttpResponseParser {
public:
    enum class State { Reading, Complete, Failed };

    struct Limits {
        qsizetype lineLength;    // one status, header, chunk-size or trailer line, without its line end
        qsizetype headerBytes;   // the whole header section, interim responses and trailers included
        qsizetype bodyBytes;     // the body after the transfer coding is removed
    };

    explicit HttpResponseParser(Limits limits);

    // Takes the next bytes from the connection.
    void Feed(QByteArrayView bytes);
    // The server closed the connection: ends a body that runs to the close,
    // fails a response that is still incomplete.
    void ConnectionClosed();

    State CurrentState() const { return state_; }
    // Valid once the header section of the final response has been read.
    bool HeaderSectionRead() const { return headerSectionRead_; }
    int StatusCode() const { return statusCode_; }
    // The values of every header field with this name, in the order received.
    QList<QByteArray> HeaderValues(QByteArrayView name) const;
    const QByteArray& Body() const { return body_; }

private:
    enum class Phase { StatusLine, Headers, FixedBody, BodyUntilClose, ChunkSize, ChunkData, ChunkEnd, Trailers, Done };

    struct HeaderField {
        QByteArray name;
        QByteArray value;
    };

    bool InBody() const;
    bool TakeLine(QByteArray& line);
    void ReadLine(const QByteArray& line);
    bool TakeBody();
    bool CountHeaderBytes(const QByteArray& line);
    void ReadStatusLine(const QByteArray& line);
    void ReadHeaderLine(const QByteArray& line);
    void EndHeaderSection();
    void StartBody();
    void ReadChunkSize(const QByteArray& line);
    void AppendBody(QByteArrayView bytes);
    void MarkComplete();
    void Fail();

    Limits limits_;
    State state_ = State::Reading;
    Phase phase_ = Phase::StatusLine;
    QByteArray pending_;
    qsizetype headerBytesRead_ = 0;
    int statusCode_ = 0;
    bool headerSectionRead_ = false;
    QList<HeaderField> headers_;
    qsizetype bodyBytesLeft_ = 0;  // of the fixed-length body or of the current chunk
    QByteArray body_;
};
