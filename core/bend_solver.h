#pragma once

#include "app/message_box.h"

// The quantities of one bent pane. Zero means "not given"; a negative value
// is given too. Lengths in millimetres, the angle in degrees (jd) and radians
// (hd).
struct BendValues {
    double hc = 0;    // arc length
    double xc = 0;    // chord length
    double bj = 0;    // radius
    double gg = 0;    // rise
    double jd = 0;    // central angle, degrees
    double hd = 0;    // central angle, radians
    double xll = 0;   // cut length of the flat pane (result only)
    double blhd = 0;  // glass thickness (input only)
};

// Completes the record from the first given pair of arc quantities and, when
// a glass thickness is given, computes the cut length. Shows its own input
// messages in boxes owned by `owner`. Ends with EAbort after the
// calculation-error message, and with EInvalidOp, EZeroDivide or EOverflow on
// an arithmetic fault (fields stored before the fault keep their new values).
void SolveBend(BendValues& values, MessageOwner& owner);
