#include "fans/SelectedFan.h"

#include "common/NumberText.h"
#include "fans/FanDesignation.h"
#include "fans/FanKind.h"
#include "fans/FoundFanRow.h"

namespace fans {

SelectedFan selectedFanOf(const FoundFansContent& content, size_t index)
{
    const FoundFanEntry& entry = content.fans.at(index);
    SelectedFan fan;
    fan.designation = entry.designation.trimmed().left(nameLength);
    // The flow and pressure as the grid lists them: whole numbers.
    fan.flow = roundHalfEven(entry.fan.found.operatingFlow);
    fan.pressure = roundHalfEven(entry.fan.found.operatingPressure);
    fan.requiredFlow = content.run.requiredFlow;
    fan.requiredPressure = content.run.requiredPressure;
    fan.roofRun = content.run.roofRun;
    fan.listed = entry.fan;
    fan.group = content.group;
    return fan;
}

QStringList listedRow(const SelectedFan& fan, QChar decimalSeparator)
{
    return foundFanRow(fan.listed, fan.group, 0, decimalSeparator);
}

FanSheetValues fanSheetValuesOf(const SelectedFan& fan, QChar decimalSeparator)
{
    const QStringList row = listedRow(fan, decimalSeparator);
    const bool roofRun = fan.roofRun;
    FanSheetValues sheet;
    sheet.caption = QStringLiteral("Характеристики выбранного ") + kindAdjective(fanKindOf(fan.designation))
        + QStringLiteral(" вентилятора:  ") + row.at(1);
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
        sheet.rows.emplace_back(label ? QString::fromUtf16(label) : sheet.pressureLabel, row.at(column));
    return sheet;
}

} // namespace fans
