#include "batch/text_encoding.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace {

bool IsAscii(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// One iconv conversion descriptor (glibc's iconv knows both encodings).
class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (IsOpen())
            iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool IsOpen() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts what it can of `in`, appending to `out`; false at a sequence
    // that does not convert (EILSEQ) or is cut off at the end (EINVAL, which
    // `errno` tells apart).
    bool Run(std::string_view& in, std::string& out)
    {
        char buffer[4096];
        while (!in.empty()) {
            char* from = const_cast<char*>(in.data());
            size_t fromLeft = in.size();
            char* to = buffer;
            size_t toLeft = sizeof buffer;
            const size_t result = iconv(handle_, &from, &fromLeft, &to, &toLeft);
            out.append(buffer, static_cast<size_t>(to - buffer));
            in.remove_prefix(in.size() - fromLeft);
            if (result == static_cast<size_t>(-1) && errno != E2BIG)
                return false;
        }
        return true;
    }

private:
    iconv_t handle_;
};

// Converts every sequence that converts, and puts `replacement` for each byte
// that does not.
std::string ConvertReplacing(const char* to, const char* from, std::string_view bytes, std::string_view replacement)
{
    Converter converter(to, from);
    if (!converter.IsOpen())
        return std::string(bytes);
    std::string out;
    while (!converter.Run(bytes, out)) {
        out += replacement;
        bytes.remove_prefix(1);
    }
    return out;
}

} // namespace

TextEncoding DetectEncoding(std::string_view bytes)
{
    if (IsAscii(bytes))
        return TextEncoding::Utf8;
    Converter check("UTF-8", "UTF-8");
    std::string converted;
    // A character cut off at the end of what has been read is no reason to
    // doubt the rest.
    const bool valid = check.IsOpen() && (check.Run(bytes, converted) || errno == EINVAL);
    return valid ? TextEncoding::Utf8 : TextEncoding::Gbk;
}

std::string TextCodec::Decode(std::string_view bytes) const
{
    if (encoding_ == TextEncoding::Utf8 || IsAscii(bytes))
        return std::string(bytes);
    return ConvertReplacing("UTF-8", "GBK", bytes, "\xEF\xBF\xBD");
}

std::string TextCodec::Encode(std::string_view utf8) const
{
    if (encoding_ == TextEncoding::Utf8 || IsAscii(utf8))
        return std::string(utf8);
    return ConvertReplacing("GBK", "UTF-8", utf8, "?");
}
