#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

// Reads bytes in the GBK code page (code page 936), the code page of every
// text this calculator shows. A byte sequence that is not GBK becomes U+FFFD
// and the rest of the text is still read. Nothing when Qt has no converter
// for the code page: a text shown in the wrong code page would be garbage.
std::optional<QString> DecodeGbk(QByteArrayView bytes);
