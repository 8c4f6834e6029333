#include "app/qt/locale_number_settings.h"

#include "app/number_settings.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

namespace {

// The number settings hold one byte per separator; a locale separator that
// takes more (a non-ASCII character, or several characters) is not used.
char SingleByteOr(const QString& separator, char fallback)
{
    const QByteArray bytes = separator.toUtf8();
    return bytes.size() == 1 ? bytes.front() : fallback;
}

} // namespace

void ReadNumberSettingsFromLocale()
{
    const QLocale locale = QLocale::system();
    SetDecimalSeparator(SingleByteOr(locale.decimalPoint(), '.'));
    SetThousandsSeparator(SingleByteOr(locale.groupSeparator(), ','));
}
