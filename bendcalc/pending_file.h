#pragma once

#include <string>

// A file that takes its name only once it is whole: written under a
// temporary name in the same folder, renamed when committed, removed when
// not, so a failed run never leaves a half-written file.
class PendingFile {
public:
    // Throws EUsageError when no file can be made in the folder.
    explicit PendingFile(std::string path);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // Where to write meanwhile.
    const std::string& Temporary() const { return temporary_; }
    // Throws EUsageError when the file cannot take its name.
    void Commit();

private:
    std::string path_;
    std::string temporary_;
    bool committed_ = false;
};
