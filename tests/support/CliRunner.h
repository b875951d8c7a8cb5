#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

// Runs zfn-cli for end-to-end tests. The program is the one ZFN_CLI names (ctest sets it), else the
// zfn-cli beside the test program, so a test program also runs on its own.
namespace clirunner {

struct CliRun {
    int exitCode = -1; // -1: did not start or did not finish
    QByteArray out;
    QByteArray err;
};

// The zfn-cli to run, or an empty text after recording a failure that says where it was looked for.
inline QString cliProgram()
{
    const QString fromEnvironment = qEnvironmentVariable("ZFN_CLI");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/zfn-cli");
    if (QFileInfo(beside).isExecutable())
        return beside;
    ADD_FAILURE() << "zfn-cli not found: ZFN_CLI is not set and there is no " << beside.toStdString()
                  << " (build the zfn-cli target or set ZFN_CLI to the program)";
    return {};
}

inline CliRun runCli(const QStringList& arguments, int timeoutMs = 120000)
{
    CliRun run;
    const QString program = cliProgram();
    if (program.isEmpty())
        return run;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(timeoutMs)) {
        ADD_FAILURE() << "zfn-cli did not start: " << program.toStdString() << ": "
                      << process.errorString().toStdString();
        return run;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "zfn-cli did not finish: " << arguments.join(QLatin1Char(' ')).toStdString();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// A run whose standard output is one JSON object (a run with "--json").
struct JsonRun {
    int exitCode = -1;
    QJsonObject json;
    QByteArray errors;
};

inline JsonRun runCliJson(const QStringList& arguments)
{
    const CliRun run = runCli(arguments);
    return {run.exitCode, QJsonDocument::fromJson(run.out).object(), run.err};
}

} // namespace clirunner
