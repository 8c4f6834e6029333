#include "bendcalc/progress_line.h"

#include <cstdio>
#include <unistd.h>

ProgressLine::ProgressLine(bool wanted)
    : shown_(wanted && isatty(STDERR_FILENO)), start_(std::chrono::steady_clock::now()), drawn_(start_)
{
}

void ProgressLine::Show(long long rows)
{
    if (shown_ && std::chrono::steady_clock::now() - drawn_ >= std::chrono::milliseconds(500))
        Draw(rows);
}

void ProgressLine::Finish(long long rows)
{
    if (!shown_)
        return;
    Draw(rows);
    std::fputc('\n', stderr);
}

void ProgressLine::Draw(long long rows)
{
    drawn_ = std::chrono::steady_clock::now();
    const double seconds = std::chrono::duration<double>(drawn_ - start_).count();
    const double rate = seconds > 0 ? static_cast<double>(rows) / seconds : 0;
    std::fprintf(stderr, "\rbendcalc: %lld rows, %.0f rows/s", rows, rate);
    std::fflush(stderr);
}
