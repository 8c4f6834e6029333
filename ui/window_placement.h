#pragma once

#include <QPoint>
#include <QRect>

// Where a window opens whose frame, at the place it was designed for, is
// `frame`, on a screen whose available area is `available`: at that place
// whenever the frame fits there entirely; otherwise moved by the least amount
// that makes it fit, and to the area's left or top edge where the frame is
// wider or higher than the area.
QPoint FittedPosition(const QRect& frame, const QRect& available);
