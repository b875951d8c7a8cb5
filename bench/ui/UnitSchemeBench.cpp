#include "BenchProgram.h"
#include "common/CatalogueStore.h"
#include "ui/SharedWindows.h"
#include "unit/WorkingTables.h"
#include "unit/ui/SchemeStrip.h"
#include "unit/ui/TFormSxema.h"

#include <QApplication>
#include <QListWidget>
#include <benchmark/benchmark.h>

// Reordering the arrangement of a 30-piece unit as the user does it: one step of a piece, the order stored
// in the working table, the strip's pictures loaded, lettered and painted.
namespace {

// 30 pieces: silencers and connectors of several pieces among single ones, the fan and a condensing unit.
std::vector<unit::UnitElementRow> thirtyPieces()
{
    const QString s = QStringLiteral("800*500");
    std::vector<unit::UnitElementRow> rows {
        {QStringLiteral("Жалюзи"), QStringLiteral("Наружная"), QStringLiteral("РН 80-50"), 0, 100, s, 0, 1},
        {QStringLiteral("Клапан"), QStringLiteral("Обратный"), QStringLiteral("КО 80-50"), 0, 300, s, 0, 1},
        {QStringLiteral("Клапан"), QStringLiteral("Воздушный"), QStringLiteral("КВ 80-50"), 0, 150, s, 0, 1},
        {QStringLiteral("Фильтр"), QStringLiteral("Панельный"), QStringLiteral("ФЯ G4 80-50"), 0, 200, s, 0,
            1},
        {QStringLiteral("Фильтр"), QStringLiteral("Карманный"), QStringLiteral("ФК F7 80-50"), 0, 600, s, 0,
            1},
        {QStringLiteral("Теплообменник"), QStringLiteral("ЭНВ"), QStringLiteral("ЭНВ 80-50/60"), 0, 400, s, 0,
            1},
        {QStringLiteral("Охладитель"), QStringLiteral("ХРСБ"), QStringLiteral("ХРСБ-80x50"), 0, 550, s, 0, 1},
        {QStringLiteral("ККБ"), QStringLiteral("Фреоновый"), QStringLiteral("KKB-011"), 0, 0, QString(), 0,
            1},
        {QStringLiteral("Вентилятор"), QStringLiteral("ВКП-ТЕРМ"), QStringLiteral("80-50/45-4Д"), 0, 1010, s,
            0, 1},
    };
    for (int i = 0; i < 5; ++i)
        rows.push_back({QStringLiteral("Глушитель"), QStringLiteral("Пластинчатый"),
            QStringLiteral("ГП-1000 80-50"), 0, 1000, s, 0, i == 0 ? 3 : 1});
    // Separate rows of one model keep their own lines.
    for (int i = 0; i < 4; ++i)
        rows.push_back({QStringLiteral("Мягкая вставка"), QStringLiteral("Гибкая"),
            QStringLiteral("ВГ 80-50"), 0, 150, s, 0, 3});
    rows.push_back({QStringLiteral("Глушитель"), QStringLiteral("Пластинчатый"),
        QStringLiteral("ГП-500 80-50"), 0, 500, s, 0, 3});
    return rows; // 7 single pieces, the fan, 10 silencer and 12 connector pieces: 30 lines
}

void reorderThirtyPieces(benchmark::State& state)
{
    unit::writeReportOrderTable(store::workingDatabase(), thirtyPieces());
    auto* scheme = benchProgram().windows().get<TFormSxema>();
    unit::UnitHandover handover;
    handover.fanDuctSize = QStringLiteral("800*500");
    scheme->showScheme(handover, {});
    QApplication::processEvents();
    auto* list = scheme->findChild<QListWidget*>(QStringLiteral("ListBoxSostav"));
    state.counters["pieces"] = list->count();
    list->setCurrentRow(10);
    bool down = true;
    for (auto _ : state) {
        down ? scheme->moveDown() : scheme->moveUp();
        down = !down;
        benchmark::DoNotOptimize(scheme->strip()->grab());
    }
}
BENCHMARK(reorderThirtyPieces)->Unit(benchmark::kMillisecond);

} // namespace
