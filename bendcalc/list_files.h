#pragma once

#include "batch/order_list.h"
#include "bendcalc/pending_file.h"

#include <cstdio>
#include <optional>
#include <string>

// Where a list is read from: a file, or standard input for "-".
class ListInput {
public:
    // Throws EUsageError when the file cannot be opened.
    explicit ListInput(const std::string& path);
    ~ListInput();
    ListInput(const ListInput&) = delete;
    ListInput& operator=(const ListInput&) = delete;

    // The next piece of the list; empty at its end. Throws EUsageError when
    // the file cannot be read.
    std::string_view Read();

private:
    std::string path_;
    std::FILE* file_;
    std::string buffer_;
};

// Where a completed list is written: standard output, or a file that appears
// only once the whole list is in it.
class ListOutput : public ByteSink {
public:
    // Standard output for an empty path or "-". Throws EUsageError when the
    // temporary file cannot be made.
    explicit ListOutput(const std::string& path);
    ~ListOutput() override;
    ListOutput(const ListOutput&) = delete;
    ListOutput& operator=(const ListOutput&) = delete;

    // Throws EUsageError when the bytes cannot be written.
    void Write(std::string_view bytes) override;
    void Commit();

private:
    std::string path_;
    std::optional<PendingFile> pending_;
    std::FILE* file_;
};
