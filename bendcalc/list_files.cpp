#include "bendcalc/list_files.h"

#include "bendcalc/command_line.h"

#include <cerrno>
#include <cstring>

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
    pending_.emplace(path);
    file_ = std::fopen(pending_->Temporary().c_str(), "wb");
    if (file_ == nullptr)
        FailOn("cannot write", path);
}

ListOutput::~ListOutput()
{
    if (file_ != stdout && file_ != nullptr)
        std::fclose(file_);
}

void ListOutput::Write(std::string_view bytes)
{
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
        FailOn("cannot write", pending_ ? path_ : std::string("standard output"));
}

void ListOutput::Commit()
{
    if (std::fflush(file_) != 0)
        FailOn("cannot write", pending_ ? path_ : std::string("standard output"));
    if (!pending_)
        return;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!closed)
        FailOn("cannot write", path_);
    pending_->Commit();
}
