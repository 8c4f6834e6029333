// Reads the number settings from the locale of its environment and prints
// the two separators, decimal first. Started by the locale test with the
// environment of each case, since a process reads its locale only once.
#include "app/number_settings.h"
#include "app/qt/locale_number_settings.h"

#include <cstdio>

int main()
{
    // Not separators any locale uses, so a setting that is not read shows.
    SetDecimalSeparator('#');
    SetThousandsSeparator('#');
    ReadNumberSettingsFromLocale();
    std::printf("%c%c", DecimalSeparator(), ThousandsSeparator());
    return 0;
}
