#include "ui/gbk_text.h"

#include <QByteArray>

#include <cerrno>
#include <iconv.h>

namespace {

constexpr char kReplacementUtf8[] = "\xEF\xBF\xBD";

// Owns one conversion descriptor; iconv keeps shift state in it, so each
// text gets its own.
class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~IconvHandle()
    {
        if (isOpen())
            iconv_close(handle_);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    bool isOpen() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return handle_; }

private:
    iconv_t handle_;
};

} // namespace

std::optional<QString> decodeGbk(QByteArrayView bytes)
{
    IconvHandle converter("UTF-8", "GBK");
    if (!converter.isOpen())
        return std::nullopt;

    // A GBK character of one or two bytes takes at most three in UTF-8, and
    // so does the replacement for one stray byte.
    QByteArray utf8(bytes.size() * 3, Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = static_cast<size_t>(bytes.size());
    char* out = utf8.data();
    size_t outLeft = static_cast<size_t>(utf8.size());

    while (inLeft > 0) {
        if (iconv(converter.get(), &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1))
            break;
        if (errno != EILSEQ && errno != EINVAL)
            break;  // E2BIG cannot happen with the room reserved above
        // A byte that starts no GBK character, or a lead byte cut off at the
        // end: show the replacement character and go on after that byte.
        for (const char c : QByteArrayView(kReplacementUtf8))
            *out++ = c;
        outLeft -= sizeof kReplacementUtf8 - 1;
        ++in;
        --inLeft;
    }
    utf8.truncate(out - utf8.data());
    return QString::fromUtf8(utf8);
}
