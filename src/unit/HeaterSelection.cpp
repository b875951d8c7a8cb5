#include "unit/HeaterSelection.h"

#include "common/FiniteResult.h"
#include "common/NumberText.h"
#include "unit/UnitMessages.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace unit {

namespace {

// kW from m³/h × K on the air side of each heater kind.
constexpr double waterHeaterDivisor = 2956;
constexpr double electricHeaterDivisor = 3000;
// kg/h of water per kW and K of water cooling.
constexpr double waterPerKilowatt = 870;

THeaterVariant variantOf(const HeaterRecord& row)
{
    THeaterVariant v;
    v.tip = row.tip.left(20);
    v.model = row.model.left(25);
    v.kanalIndex = row.kanalIndex;
    v.kolich = 1;
    v.length = row.length;
    v.price = row.price;
    return v;
}

QString commonProblem(const HeaterInputs& in)
{
    if (!(in.flow > 0))
        return messages::flowNotPositive();
    if (!(in.maxSpeed > 0))
        return messages::speedNotPositive();
    if (in.maxSpeed > largestAirSpeed)
        return messages::speedTooHigh();
    if (!(in.airOut > in.airIn))
        return messages::heaterAirNotWarmed();
    return {};
}

} // namespace

double requiredHeaterArea(const HeaterInputs& in)
{
    double area = in.flow / 3600 / in.maxSpeed;
    if (in.coolerArea && area < *in.coolerArea)
        area = *in.coolerArea - 0.001;
    return area;
}

QString waterHeaterInputProblem(const HeaterInputs& in)
{
    if (QString problem = commonProblem(in); !problem.isEmpty())
        return problem;
    if (!(in.waterOut < in.waterIn))
        return messages::waterNotCooled();
    if (!(in.waterIn > in.airIn))
        return messages::waterNotWarmerThanAir();
    return {};
}

QString electricHeaterInputProblem(const HeaterInputs& in)
{
    return commonProblem(in);
}

HeaterOutcome selectWaterHeater(
    const HeaterInputs& in, const std::vector<HeaterRecord>& candidates, const SectionArea& sectionArea)
{
    if (QString problem = waterHeaterInputProblem(in); !problem.isEmpty())
        return {std::nullopt, problem};
    if (candidates.empty())
        return {};
    const double f = in.flow / waterHeaterDivisor;
    const double duty = (in.airOut - in.airIn) * f;
    const double c = duty / (in.waterIn - in.waterOut);
    const double water = waterPerKilowatt * c;
    const double requiredKA = duty / (in.waterIn - in.airIn);
    const auto kAOf = [&](const HeaterRecord& row) {
        return row.transferA / 1000 * powerOf(in.flow, row.transferM) * powerOf(water, row.transferH);
    };

    HeaterChoice choice;
    choice.requiredArea = requiredHeaterArea(in);
    const HeaterRecord* chosen = &candidates.back();
    for (const HeaterRecord& row : candidates) {
        if (sectionArea(row.kanalIndex) >= choice.requiredArea
            && kAOf(row) - requiredKA >= -transferTolerance) {
            chosen = &row;
            choice.found = true;
            break;
        }
    }
    const double kA = kAOf(*chosen);
    // The transfer law (tj1 − t1)·kA holds while neither stream reaches the other's inlet temperature.
    const double greatestOutput = std::min(f, c) * (in.waterIn - in.airIn);
    const double output = std::min((in.waterIn - in.airIn) * kA, greatestOutput);
    THeaterVariant& v = choice.variant = variantOf(*chosen);
    v.waterFlow = water;
    v.heatOutput = output;
    v.airLoss = chosen->airLoss(in.flow);
    v.waterLoss = chosen->waterC * powerOf(water / 100, chosen->waterK);
    v.airOutlet = output / f + in.airIn;
    v.waterOutlet = in.waterIn - output / c;
    v.requiredOutput = duty;
    v.coversDuty = output - duty >= -transferTolerance * (in.waterIn - in.airIn);
    choice.kA = kA;
    if (!allFinite(kA, v.waterFlow, v.heatOutput, v.airLoss, v.waterLoss, v.airOutlet, v.waterOutlet))
        return {std::nullopt, finiteResultMessage()};
    return {choice, {}};
}

HeaterOutcome selectElectricHeater(
    const HeaterInputs& in, const std::vector<HeaterRecord>& candidates, const SectionArea& sectionArea)
{
    if (QString problem = electricHeaterInputProblem(in); !problem.isEmpty())
        return {std::nullopt, problem};
    if (candidates.empty())
        return {};
    const double duty = (in.airOut - in.airIn) * in.flow / electricHeaterDivisor;
    HeaterChoice choice;
    choice.requiredArea = requiredHeaterArea(in);
    const HeaterRecord* chosen = &candidates.back();
    double best = 1e20;
    for (const HeaterRecord& row : candidates) {
        if (sectionArea(row.kanalIndex) < choice.requiredArea)
            continue;
        const double d = std::abs(duty - row.power);
        if (d < best) { // ties keep the earlier model
            best = d;
            chosen = &row;
            choice.found = true;
        }
    }
    THeaterVariant& v = choice.variant = variantOf(*chosen);
    v.heatOutput = chosen->power;
    v.airLoss = chosen->airLoss(in.flow);
    v.airOutlet = chosen->power * electricHeaterDivisor / in.flow + in.airIn;
    v.requiredOutput = duty;
    v.coversDuty = chosen->power >= duty;
    if (!allFinite(v.heatOutput, v.airLoss, v.airOutlet, duty))
        return {std::nullopt, finiteResultMessage()};
    return {choice, {}};
}

QString heaterShortfallMessage(const THeaterVariant& heater, QChar decimalSeparator)
{
    if (heater.coversDuty)
        return {};
    return messages::heaterBelowDuty(heater.model.trimmed(),
        generalText4(heater.heatOutput, decimalSeparator),
        generalText4(heater.requiredOutput, decimalSeparator));
}

} // namespace unit
