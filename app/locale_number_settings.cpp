#include "app/locale_number_settings.h"

void ReadNumberSettingsFromLocale()
{
    // The number settings arrive with the number-text conversions.
}
