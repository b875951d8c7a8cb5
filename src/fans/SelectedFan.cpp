#include "fans/SelectedFan.h"

#include "common/NumberText.h"
#include "fans/FanDesignation.h"

namespace fans {
namespace {

QString cell(const QStringList& row, int column)
{
    return column < row.size() ? row.at(column) : QString();
}

} // namespace

SelectedFan selectedFanOf(const QStringList& row, const SelectionRun& run)
{
    SelectedFan fan;
    fan.designation = cell(row, 1).trimmed().left(nameLength);
    // The grid writes these as whole numbers; a cell that is not one reads as 0.
    fan.flow = cell(row, 2).toDouble();
    fan.pressure = cell(row, 3).toDouble();
    fan.requiredFlow = run.requiredFlow;
    fan.requiredPressure = run.requiredPressure;
    fan.roofRun = run.roofRun;
    fan.row = row;
    return fan;
}

FanSheetValues fanSheetValuesOf(const SelectedFan& fan)
{
    const QStringList& row = fan.row;
    const bool roofRun = fan.roofRun;
    FanSheetValues sheet;
    sheet.caption = QStringLiteral("Характеристики выбранного канального вентилятора:  ") + cell(row, 1);
    sheet.requiredFlowText = integerText(fan.requiredFlow);
    sheet.requiredPressureText = integerText(fan.requiredPressure);
    sheet.pressureLabel = roofRun ? QStringLiteral("Статическое давление - Pв, Па")
                                  : QStringLiteral("Полное давление - Pв, Па");
    sheet.chartPressureTitle
        = roofRun ? QStringLiteral("Статическое давление, Па") : QStringLiteral("Полное давление, Па");
    const std::pair<const char16_t*, int> rows[] = {
        {u"Расход воздуха - Qв, м3/час", 2},
        {nullptr, 3},
        {u"Диаметр рабочего колеса вентилятора - D, мм", 4},
        {u"Частота вращения колеса вентилятора - n, об/мин", 5},
        {u"Размеры сторон сечения канала - А*В, мм*мм", 6},
        {u"Полюсность электродвигателя:", 8},
        {u"Количество фаз электродвигателя:", 9},
        {u"Шум ко входу - Lw, dB(A)", 11},
        {u"Шум к выходу - Lw, dB(A)", 12},
        {u"Шум через стенки - Lw, dB(A)", 13},
        {u"Скорость воздуха в канале, м/сек", 14},
        {u"Мощность установочная, кВт", 17},
        {u"Масса, кг", 18},
        {u"", 15},
    };
    for (const auto& [label, column] : rows)
        sheet.rows.emplace_back(label ? QString::fromUtf16(label) : sheet.pressureLabel, cell(row, column));
    return sheet;
}

} // namespace fans
