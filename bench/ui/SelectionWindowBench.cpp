#include "app/ProgramContext.h"
#include "common/CatalogueStore.h"
#include "fans/FanCatalogue.h"
#include "fans/ui/FanSelectionWindow.h"
#include "run/BenchRun.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <map>

// The general-ventilation selection window opening on generated catalogues of 10 000 and 100 000 fans, as
// the user first opens it in a session: the catalogue read, the series, diameter and size lists filled,
// the whole window painted. The catalogues are made by zfn-cli processes, so that this process's peak
// memory (process_peak_MiB, the largest resident size of the whole benchmark run) is that of the windows.
namespace {

// Runs zfn-cli; false when it fails.
bool runCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/zfn-cli"), arguments);
    return process.waitForFinished(900000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
}

// The SQLite catalogue of a given size, made once per run; empty when it cannot be made.
QString catalogueFile(int fans)
{
    static const QDir dir(bench::runFolder());
    static std::map<int, QString> files;
    QString& file = files[fans];
    if (file.isEmpty()) {
        const QString sources = dir.filePath(QStringLiteral("src%1").arg(fans));
        const QString made = dir.filePath(QStringLiteral("vozuvada%1.sqlite").arg(fans));
        if (runCli({QStringLiteral("catalogue"), QStringLiteral("generate"), QStringLiteral("--scale"),
                QString::number(fans), QStringLiteral("--out"), sources})
            && runCli({QStringLiteral("catalogue"), QStringLiteral("import"), QStringLiteral("--from"),
                sources, QStringLiteral("--out"), made}))
            file = made;
    }
    return file;
}

double residentPeakMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').constFirst().toDouble() / 1024.0;
    }
    return 0;
}

void selectionWindowOpens(benchmark::State& state)
{
    const QString file = catalogueFile(int(state.range(0)));
    if (file.isEmpty()) {
        state.SkipWithError("zfn-cli could not make the catalogue");
        return;
    }
    store::setAliasOverride(store::vozuvadaAlias(), file);
    ProgramContext program;
    int series = 0;
    for (auto _ : state) {
        fans::FanCatalogue::invalidate(); // as on the first opening in a session
        TMDIChild window(program);
        window.show();
        benchmark::DoNotOptimize(window.grab());
        if (const auto* ducts = window.findChild<QListWidget*>(QStringLiteral("Open_ListView")))
            series = ducts->count();
        state.PauseTiming();
        window.hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["duct_series"] = series;
    state.counters["process_peak_MiB"] = residentPeakMiB();
    fans::FanCatalogue::invalidate();
    store::clearAliasOverrides();
}
BENCHMARK(selectionWindowOpens)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
