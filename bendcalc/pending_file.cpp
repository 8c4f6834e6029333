#include "bendcalc/pending_file.h"

#include "bendcalc/command_line.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

PendingFile::PendingFile(std::string path) : path_(std::move(path)), temporary_(path_ + ".XXXXXX")
{
    const int descriptor = mkstemp(temporary_.data());
    if (descriptor < 0)
        throw EUsageError("cannot write next to '" + path_ + "': " + std::strerror(errno));
    // As a file made under its own name would be.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(descriptor, 0666 & ~mask);
    close(descriptor);
}

PendingFile::~PendingFile()
{
    if (!committed_)
        std::remove(temporary_.c_str());
}

void PendingFile::Commit()
{
    if (std::rename(temporary_.c_str(), path_.c_str()) != 0)
        throw EUsageError("cannot write '" + path_ + "': " + std::strerror(errno));
    committed_ = true;
}
