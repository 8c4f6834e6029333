#pragma once

#include <QByteArray>

// A complete response whose body is framed by Content-Length.
inline QByteArray WithLength(const QByteArray& body, const QByteArray& extraFields = {})
{
    return "HTTP/1.1 200 OK\r\n" + extraFields + "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}
