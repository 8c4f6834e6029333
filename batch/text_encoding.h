#pragma once

#include <string>
#include <string_view>

// The encodings order lists come in: UTF-8, and GBK, which Excel writes on a
// Chinese desktop.
enum class TextEncoding { Utf8, Gbk };

// UTF-8 when the bytes are valid UTF-8 (a character cut off at their end
// aside), GBK otherwise.
TextEncoding DetectEncoding(std::string_view bytes);

// Converts between a file's encoding and the UTF-8 the program works in.
// Bytes that do not convert become U+FFFD when decoded and "?" when encoded.
class TextCodec {
public:
    explicit TextCodec(TextEncoding encoding) : encoding_(encoding) {}

    TextEncoding Encoding() const { return encoding_; }
    std::string Decode(std::string_view bytes) const;
    std::string Encode(std::string_view utf8) const;

private:
    TextEncoding encoding_;
};
