#pragma once

// Scaling by a power of ten the way the number conversions do it, in extended
// precision (64-bit significand, round to nearest even).
//
// value * 10^power for power > 0, value / 10^-power for power < 0, through
// three factors: 10^(|power| mod 32), then 10^(32 * ((|power| div 32) mod 16))
// and 10^(512 * (|power| div 512)) where those are not 1. Each factor is the
// extended value nearest to the power (exact up to 10^27), and each step
// rounds. A power of -5120 or less gives 0; a power of 5120 or more gives
// infinity (zero stays zero). Runs in the caller's floating-point environment.
long double ScaleByPowerOfTen(long double value, int power);
