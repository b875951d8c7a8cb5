#include "BenchProjects.h"
#include "calcreport/CalculationReport.h"
#include "pages/ReportPages.h"
#include "smoke/SmokeForm.h"
#include "smoke/SmokeWizard.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// The smoke-exhaust calculation of a corridor with four shaft sections, stepped through its five pages
// with the report refreshed at every step as the window does; and ten report pages saved as JPEG files.
namespace {

void BM_SmokeCalculationWithReport(benchmark::State& state)
{
    const smoke::SmokeProject project = bench::corridorSmokeProject();
    for (auto _ : state) {
        const smoke::SmokeRun run = smoke::runSmokeProject(project, QLatin1Char('.'));
        benchmark::DoNotOptimize(run.wizard.report().document().size());
    }
}
BENCHMARK(BM_SmokeCalculationWithReport)->Unit(benchmark::kMicrosecond);

QByteArray tenPageReport()
{
    calcreport::CalculationReport report;
    report.clearInputPart(QStringLiteral("РАСЧЕТ СИСТЕМЫ ДЫМОУДАЛЕНИЯ"));
    while (pages::ReportPages(report.refreshReport()).pageCount() < 10) {
        for (int i = 0; i < 20; ++i)
            report.writeInputLine({calcreport::givenKind(), QStringLiteral("Площадь сечения участка 1"),
                QStringLiteral("0.78"), calcreport::ReportUnit::SquareMetre});
    }
    return report.document();
}

void BM_SaveTenPageImages(benchmark::State& state)
{
    const QByteArray rtf = tenPageReport();
    QTemporaryDir dir;
    for (auto _ : state) {
        const pages::PagesWritten written
            = pages::writePageImages(rtf, dir.filePath(QStringLiteral("report.txt")));
        benchmark::DoNotOptimize(written.pages);
    }
}
BENCHMARK(BM_SaveTenPageImages)->Unit(benchmark::kMillisecond);

} // namespace
