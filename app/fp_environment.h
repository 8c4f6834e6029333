#pragma once

// The calculator's floating-point environment. Quantities are computed in
// long double (x87 extended, 64-bit significand, round to nearest even) and
// rounded to double when stored. Traps are never enabled: invalid operation,
// division by zero and overflow are read from the status flags at the points
// where a value is stored, and raised as EInvalidOp, EZeroDivide or EOverflow.
// Underflow and inexact results pass silently.

// Default environment: round to nearest, extended precision, every exception
// masked, status flags clear.
void ResetFloatingPoint();

// Forgets whatever faults earlier arithmetic left in the status flags.
void ClearFloatingPointFlags();

// Raises the error that matches the status flags raised since they were last
// cleared, clearing them first so the next computation starts clean. Division
// by zero and overflow come before an invalid operation: the NaN that follows
// an invalid operation raises neither, so when both are flagged the division
// or overflow came first.
void RaisePendingFloatingPointError();

// Rounds an extended value to double as a store into a double field does:
// raises any fault pending from the computation of the value, then EOverflow
// when the value lies beyond the double range.
double StoreToDouble(long double value);
