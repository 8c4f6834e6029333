#pragma once

// Reads the decimal and thousands separators of the user's regional settings
// (the locale of the environment, as Qt's system locale reports it) into the
// process-wide number settings. Called at start-up and again whenever the
// desktop announces a locale change.
void ReadNumberSettingsFromLocale();
