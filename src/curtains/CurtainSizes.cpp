#include "curtains/CurtainSizes.h"

#include <QLatin1StringView>
#include <algorithm>

namespace curtains {

namespace {

constexpr std::array<CurtainModel, 11> orkModels = {{
    {3750, "0.2", 3500, 5},
    {4500, "1.1", 4000, 5},
    {5500, "1.2", 5000, 5},
    {7000, "2.1", 6000, 5},
    {8600, "2.2", 8000, 5},
    {10200, "3.1", 9200, 6},
    {12100, "3.2", 11200, 6},
    {14750, "4.1", 13000, 8},
    {17650, "4.2", 16500, 8},
    {21400, "5.1", 18800, 10},
    {0, "5.2", 24000, 10},
}};

constexpr std::array<CurtainModel, 6> temModels = {{
    {3200, "1", 2800, 5},
    {4500, "2", 3600, 5},
    {6850, "3", 5400, 5},
    {10150, "4", 8300, 6},
    {14500, "5", 12000, 8},
    {0, "6", 17000, 10},
}};

struct SizeIndex {
    double upToMm; // required slot width served, mm
    double slot; // m
};
constexpr std::array<SizeIndex, sizeIndexCount> sizeIndices = {{
    {47.5, 0.04},
    {65, 0.055},
    {87.5, 0.075},
    {105, 0.1},
    {122.5, 0.11},
    {142.5, 0.135},
    {162.5, 0.15},
    {187.5, 0.175},
    {212.5, 0.2},
    {0, 0.225},
}};

constexpr std::array<TemBlock, temBlockLimitCount> temBlocks = {{
    {2800, 1000},
    {3600, 1000},
    {5400, 1000},
    {8300, 1250},
    {12000, 1500},
    {17000, 1750},
}};

struct PlnTypeRow {
    double upTo; // specific flow served, m³/h per metre (the last row of a heater: any)
    PlnType type;
};
constexpr std::array<PlnTypeRow, 5> plnPlain = {{
    {1828, {1, 1828}},
    {2888, {2, 2888}},
    {5000, {3, 5000}},
    {7398, {4, 7398}},
    {0, {5, 12600}},
}};
constexpr std::array<PlnTypeRow, 4> plnWater = {{
    {4000, {2, 3000}},
    {5925.5, {3, 5000}},
    {8997, {4, 6851}},
    {0, {5, 11143}},
}};
constexpr std::array<PlnTypeRow, 3> plnElectric = {{
    {2469.5, {1, 1828}},
    {4255.5, {2, 3111}},
    {0, {3, 5400}},
}};

constexpr std::array<PlnTypeBlocks, 5> plnBlocks = {{
    {0.105, 0.075, 0.35, 2, 3, 0.7, 1.05, 6.76, 7.02},
    {0.145, 0.105, 0.45, 2, 3, 0.9, 1.35, 7.54, 8.06},
    {0.24, 0.18, 0.5, 2, 3, 1.0, 1.5, 7.93, 8.19},
    {0.225, 0.18, 0.54, 2, 3, 1.08, 1.62, 8.32, 8.58},
    {0.385, 0.25, 0.7, 1, 2, 0.7, 1.4, 8.58, 9.23},
}};

// The first row whose bound the value does not exceed; the last row takes everything above.
template <typename Row, std::size_t N>
const Row& rowFor(const std::array<Row, N>& rows, double value, double Row::*bound)
{
    const auto found
        = std::find_if(rows.begin(), rows.end() - 1, [&](const Row& row) { return value <= row.*bound; });
    return *found;
}

} // namespace

const CurtainModel& orkModelFor(double flow)
{
    return rowFor(orkModels, flow, &CurtainModel::upToFlow);
}

const CurtainModel& temModelFor(double flow)
{
    return rowFor(temModels, flow, &CurtainModel::upToFlow);
}

double servedFlow(const CurtainModel& model)
{
    return model.upToFlow > 0 ? model.upToFlow : model.nominalFlow;
}

int sizeIndexFor(double slotWidthMm)
{
    const SizeIndex& row = rowFor(sizeIndices, slotWidthMm, &SizeIndex::upToMm);
    return static_cast<int>(&row - sizeIndices.data()) + 1;
}

QString sizeIndexText(int index)
{
    return QStringLiteral("%1").arg(index, 2, 10, QLatin1Char('0'));
}

std::optional<double> slotWidthOfIndex(const QString& indexText)
{
    for (int i = 1; i <= sizeIndexCount; ++i) {
        if (indexText == sizeIndexText(i))
            return sizeIndices[static_cast<std::size_t>(i - 1)].slot;
    }
    return std::nullopt;
}

QStringList sizeIndexChoices(int largestIndex)
{
    QStringList choices;
    for (int i = 1; i <= std::min(largestIndex, sizeIndexCount); ++i)
        choices << sizeIndexText(i);
    return choices;
}

const TemBlock& temBlock(int item)
{
    return temBlocks[static_cast<std::size_t>(std::clamp(item, 0, temLargestBlockItem))];
}

PlnType plnTypeFor(double specificFlow, HeaterKind heater)
{
    const auto typeOf = [](const PlnTypeRow& row) {
        PlnType type = row.type;
        type.servedSpecificFlow = row.upTo > 0 ? row.upTo : type.specificFlow;
        return type;
    };
    switch (heater) {
    case HeaterKind::Water:
        return typeOf(rowFor(plnWater, specificFlow, &PlnTypeRow::upTo));
    case HeaterKind::Electric:
        return typeOf(rowFor(plnElectric, specificFlow, &PlnTypeRow::upTo));
    default:
        return typeOf(rowFor(plnPlain, specificFlow, &PlnTypeRow::upTo));
    }
}

const PlnTypeBlocks& plnTypeBlocks(int type)
{
    return plnBlocks[static_cast<std::size_t>(std::clamp(type, 1, 5) - 1)];
}

} // namespace curtains
