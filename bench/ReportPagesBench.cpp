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
    smoke::SmokeProject p = smoke::defaultSmokeProject();
    p.residential = false;
    p.otherBuilding = true;
    p.doorHeight = QStringLiteral("2.1");
    p.doorWidth = QStringLiteral("1.2");
    QList<sections::SectionRow> rows;
    for (int i = 0; i < 4; ++i)
        rows.append({QString(), QStringLiteral("0.8"), QStringLiteral("12"), QStringLiteral("0.38"),
            QStringLiteral("Бетон"), QStringLiteral("1.7"), QStringLiteral("1"), QStringLiteral("1"),
            QStringLiteral("1")});
    p.sections.setRows(rows);
    return smoke::runSmokeProject(p, QLatin1Char('.')).wizard.report().document();
}

QByteArray supplyReport()
{
    pressurization::SupplyProject p;
    p.schemeShaft = false;
    p.schemeZones = true;
    p.floors = QStringLiteral("24");
    p.zoneFloors = QStringLiteral("10");
    QList<sections::SectionRow> rows;
    for (int i = 0; i < 4; ++i)
        rows.append({QString(), QStringLiteral("0.8"), QStringLiteral("12"), QStringLiteral("0.38"),
            QStringLiteral("Металл"), QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("1"),
            QStringLiteral("1")});
    for (auto& table : p.sections)
        table.setRows(rows);
    return pressurization::runSupplyProject(p, QLatin1Char('.')).wizard.report().document();
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
