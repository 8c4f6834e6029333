#include "bendcalc/command_line.h"

#include <cstdio>

bool ParseCommandLine(QCommandLineParser& parser, const QStringList& arguments)
{
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments))
        throw EUsageError(parser.errorText().chopped(parser.errorText().endsWith('.') ? 1 : 0).toStdString() +
                          " (see bendcalc --help)");
    if (parser.isSet(help)) {
        std::fputs(parser.helpText().toUtf8().constData(), stdout);
        return false;
    }
    if (parser.isSet(version)) {
        std::printf("bendcalc %s\n", BEND_VERSION);
        return false;
    }
    return true;
}

QString OneOf(const QCommandLineParser& parser, const QString& option, const QStringList& words)
{
    const QString value = parser.value(option);
    if (!words.contains(value))
        throw EUsageError(("--" + option + " takes " + words.join(" or ") + ", not '" + value + "'").toStdString());
    return value;
}

int NumberBetween(const QCommandLineParser& parser, const QString& option, int low, int high, int fallback)
{
    if (!parser.isSet(option))
        return fallback;
    bool isNumber = false;
    const int value = parser.value(option).toInt(&isNumber);
    if (!isNumber || value < low || value > high)
        throw EUsageError(("--" + option + " takes a whole number from " + QString::number(low) + " to " +
                           QString::number(high) + ", not '" + parser.value(option) + "'")
                              .toStdString());
    return value;
}
