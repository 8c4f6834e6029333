#pragma once

// The process-wide number settings: the separators of the user's regional
// settings, one byte each. Read and changed only on the user-interface thread.
// The decimal separator is "." until the locale has been read; it should be an
// ASCII punctuation character, as a locale's separator is.
void SetDecimalSeparator(char separator);
char DecimalSeparator();

// Kept with the decimal separator, "," by default; neither number conversion
// uses it.
void SetThousandsSeparator(char separator);
char ThousandsSeparator();
