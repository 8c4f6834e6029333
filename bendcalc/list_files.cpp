#include "bendcalc/list_files.h"

#include "bendcalc/command_line.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kReadSize = 1 << 18;

[[noreturn]] void FailOn(const std::string& what, const std::string& path)
{
    throw EUsageError(what + " '" + path + "': " + std::strerror(errno));
}

} // namespace

ListInput::ListInput(const std::string& path) : path_(path), file_(stdin), buffer_(kReadSize, '\0')
{
    if (path != "-") {
        file_ = std::fopen(path.c_str(), "rb");
        if (file_ == nullptr)
            FailOn("cannot open", path);
    }
}

ListInput::~ListInput()
{
    if (file_ != stdin)
        std::fclose(file_);
}

std::string_view ListInput::Read()
{
    const std::size_t size = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    if (size == 0 && std::ferror(file_))
        FailOn("cannot read", path_);
    return {buffer_.data(), size};
}

ListOutput::ListOutput(const std::string& path) : path_(path), file_(stdout)
{
    if (path.empty() || path == "-")
        return;
    temporary_ = path + ".XXXXXX";
    const int descriptor = mkstemp(temporary_.data());
    if (descriptor < 0)
        FailOn("cannot write next to", path);
    // As a file made for the list itself would be.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(descriptor, 0666 & ~mask);
    file_ = fdopen(descriptor, "wb");
}

ListOutput::~ListOutput()
{
    if (file_ == stdout || file_ == nullptr)
        return;
    std::fclose(file_);
    std::remove(temporary_.c_str());
}

void ListOutput::Write(std::string_view bytes)
{
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
        FailOn("cannot write", temporary_.empty() ? std::string("standard output") : path_);
}

void ListOutput::Commit()
{
    if (std::fflush(file_) != 0)
        FailOn("cannot write", temporary_.empty() ? std::string("standard output") : path_);
    if (file_ == stdout)
        return;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!closed || std::rename(temporary_.c_str(), path_.c_str()) != 0) {
        const int error = errno;
        std::remove(temporary_.c_str());
        errno = error;
        FailOn("cannot write", path_);
    }
}
