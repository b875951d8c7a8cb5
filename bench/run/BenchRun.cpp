#include "BenchRun.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace bench {
namespace {
QString& currentRunFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString runFolder()
{
    return currentRunFolder();
}

int runBenchmarks(int& argc, char** argv)
{
    QTemporaryDir run;
    if (!run.isValid()) {
        std::fprintf(stderr, "cannot create the run folder: %s\n", qPrintable(run.errorString()));
        return 1;
    }
    currentRunFolder() = run.path();
    // Temporary files of the code under test and of the processes it starts land in the run folder too,
    // so nothing outlives the run.
    const QByteArray oldTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(run.path()));

    benchmark::Initialize(&argc, argv);
    int code = 0;
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        code = 1;
    else
        benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    if (oldTmp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", oldTmp);
    currentRunFolder().clear();
    return code;
}

} // namespace bench
