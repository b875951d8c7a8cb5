#include "unit/CoolerSelection.h"

#include "common/FiniteResult.h"
#include "unit/ElementRecords.h"
#include "unit/StandardSections.h"
#include "unit/UnitMessages.h"

using namespace Qt::StringLiterals;

namespace unit {

namespace {

// kW from m³/h × K on the cooler's air side.
constexpr double coolerHeatDivisor = 3000;
// The face speed at which the cooler's section is chosen, m/s.
constexpr double coolerDesignSpeed = 3;

} // namespace

bool humidityInRange(double humidity)
{
    return humidity >= 0 && humidity <= 100;
}

QString coolerTypeName(CoolerSeries series)
{
    return series == CoolerSeries::Water ? u"ХРСА"_s : u"ХРСБ"_s;
}

CoolerOutcome selectCooler(const CoolerInputs& in, std::optional<int> section)
{
    if (!(in.flow > 0))
        return {std::nullopt, messages::coolerFlowNotPositive()};
    if (!(in.airOut < in.airIn))
        return {std::nullopt, messages::coolerAirNotCooled()};
    if (!humidityInRange(in.humidity))
        return {std::nullopt, messages::humidityOutOfRange()};
    CoolerResult r;
    if (section) {
        const std::optional<StandardSection> given = standardSection(*section);
        if (!given)
            return {
                std::nullopt, u"Для сечения %1 нет охладителя: допустимы сечения 2 - 10!"_s.arg(*section)};
        r.area = given->area;
    } else {
        r.area = coolerAreaFor(in.flow / 3600 / coolerDesignSpeed);
    }
    const std::optional<StandardSection> row = standardSectionOfArea(r.area);
    r.section = row ? row->index : 0;
    r.sizeText = row ? QString::fromUtf16(row->sizeText) : QString();
    r.type = coolerTypeName(in.series);
    r.model = r.type + u"-"_s + r.sizeText;

    r.airSpeed = in.flow / 3600 / r.area;
    r.sensible = (in.airIn - in.airOut) * in.flow / coolerHeatDivisor;
    const double phi = in.humidity;
    if (in.series == CoolerSeries::Freon) {
        const double k = (0.017 * phi - 0.02) * in.airIn - 0.17 * phi - 6.6;
        r.latent = powerOf(r.airSpeed, -0.41) * k * in.flow / coolerHeatDivisor;
        r.total = r.sensible + r.latent;
        r.airLoss = 11.6 * powerOf(r.airSpeed, 1.76);
    } else {
        r.latent = ((0.019 * phi - 0.047) * in.airIn - (0.275 * phi + 7)) * in.flow / coolerHeatDivisor;
        r.total = r.sensible + r.latent;
        r.waterFlow = 143 * r.total + 4.7;
        const double w = *r.waterFlow / 1000;
        r.waterLoss = w * w * (row ? row->waterCoefficient : 0);
        r.airLoss = 10 * powerOf(r.airSpeed, 1.7);
    }
    r.condensingUnit = condensingUnitFor(r.total);
    if (!allFinite(r.airSpeed, r.sensible, r.latent, r.total, r.airLoss, r.waterFlow, r.waterLoss))
        return {std::nullopt, finiteResultMessage()};
    return {r, {}};
}

} // namespace unit
