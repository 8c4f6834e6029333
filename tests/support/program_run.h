#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// What a program said and how it ended: its exit code (-1 when it crashed or
// did not end within two minutes), standard output and standard error.
struct ProgramRun {
    int exitCode = -1;
    QString output;
    QString error;
};

inline ProgramRun RunProgram(const QString& program, const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    const bool ended = process.waitForFinished(120000);
    return {ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}
