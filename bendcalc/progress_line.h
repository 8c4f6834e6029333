#pragma once

#include <chrono>

// The line on standard error that tells how far a long run has come: the
// rows done and the rows per second, redrawn at most twice a second, and only
// when standard error is a terminal.
class ProgressLine {
public:
    explicit ProgressLine(bool wanted);

    void Show(long long rows);
    // The last count, and the line ended.
    void Finish(long long rows);

private:
    void Draw(long long rows);

    bool shown_;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point drawn_;
};
