#include "ui/window_placement.h"

#include <algorithm>

namespace {

// One side: the start of a span of `length` moved into [first, first + room).
int FittedStart(int start, int length, int first, int room)
{
    if (length >= room)
        return first;
    return std::clamp(start, first, first + room - length);
}

} // namespace

QPoint FittedPosition(const QRect& frame, const QRect& available)
{
    return {FittedStart(frame.left(), frame.width(), available.left(), available.width()),
            FittedStart(frame.top(), frame.height(), available.top(), available.height())};
}
