#pragma once

#include "app/errors.h"

#include <QCommandLineParser>
#include <QStringList>

// The exit codes of bendcalc.
namespace ExitCode {
inline constexpr int Ok = 0;          // every pane computed
inline constexpr int PaneFailed = 1;  // a pane could not be computed (a batch writes every row all the same)
inline constexpr int Usage = 2;       // the command line, or a file, that cannot be used
}

// A command line or a file that bendcalc cannot use; reported in one line on
// standard error, with exit code 2.
class EUsageError : public Exception {
public:
    explicit EUsageError(std::string message) : Exception(std::move(message)) {}
    std::string ClassName() const override { return "EUsageError"; }
};

// Parses a command's arguments (the command word first), answering --help
// and --version itself; throws EUsageError for anything it cannot take.
// Returns false when the answer has been printed and the program ends.
bool ParseCommandLine(QCommandLineParser& parser, const QStringList& arguments);

// The value of an option that must be one of a few words.
QString OneOf(const QCommandLineParser& parser, const QString& option, const QStringList& words);
// The value of an option that must be a whole number in a range.
int NumberBetween(const QCommandLineParser& parser, const QString& option, int low, int high, int fallback);
