#include "app/number_settings.h"

namespace {

char decimalSeparator = '.';
char thousandsSeparator = ',';

} // namespace

void SetDecimalSeparator(char separator)
{
    decimalSeparator = separator;
}

char DecimalSeparator()
{
    return decimalSeparator;
}

void SetThousandsSeparator(char separator)
{
    thousandsSeparator = separator;
}

char ThousandsSeparator()
{
    return thousandsSeparator;
}
