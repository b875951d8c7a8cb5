#include "BenchProjects.h"
#include "pages/ReportPages.h"
#include "pressurization/SupplyWizard.h"
#include "smoke/SmokeForm.h"
#include "smoke/SmokeWizard.h"

#include <benchmark/benchmark.h>

// One page of the smoke-exhaust and of the pressurization report drawn and encoded as a JPEG picture,
// and the whole report as a PDF; the counters give the bytes a page takes.
namespace {

QByteArray smokeReport()
{
    return smoke::runSmokeProject(bench::corridorSmokeProject(), QLatin1Char('.')).wizard.report().document();
}

QByteArray supplyReport()
{
    return pressurization::runSupplyProject(bench::zoneSupplyProject(), QLatin1Char('.'))
        .wizard.report()
        .document();
}

QByteArray report(int which)
{
    return which == 0 ? smokeReport() : supplyReport();
}

// Argument 0: smoke-exhaust report, 1: pressurization report. Each iteration is one page, in turn.
void BM_ReportPageImage(benchmark::State& state)
{
    const pages::ReportPages pages(report(int(state.range(0))));
    int page = 0;
    qint64 bytes = 0;
    for (auto _ : state) {
        const QByteArray jpeg = pages::pageImageFile(pages, page % pages.pageCount() + 1);
        bytes += jpeg.size();
        ++page;
    }
    state.counters["bytes_per_page"] = double(bytes) / double(page);
}
BENCHMARK(BM_ReportPageImage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ReportPdf(benchmark::State& state)
{
    const QByteArray rtf = report(int(state.range(0)));
    pages::ReportPdf pdf;
    for (auto _ : state)
        pdf = pages::reportPdf(rtf);
    state.counters["pages"] = pdf.pages;
    state.counters["bytes_per_page"] = double(pdf.bytes.size()) / pdf.pages;
}
BENCHMARK(BM_ReportPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
