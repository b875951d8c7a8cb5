#include "unit/UnitHandover.h"

#include "common/FiniteResult.h"
#include "common/NumberText.h"
#include "unit/UnitGridTexts.h"
#include "unit/UnitMessages.h"

using namespace Qt::StringLiterals;

namespace unit {

UnitInputTexts unitInputTexts(const UnitProject& typed, UnitKind kind)
{
    return {kind == UnitKind::Cooler ? typed.coolerFlow : typed.flow, typed.freePressure, typed.airIn,
        typed.airOut, typed.coolerAirIn, typed.coolerAirOut, typed.maxSpeed, typed.waterIn, typed.waterOut,
        typed.projectName};
}

UnitHandover unitHandover(
    const UnitInputTexts& texts, const UnitRun& run, const UnitInputs& inputs, QChar decimalSeparator)
{
    const UnitKind kind = inputs.kind;
    UnitHandover h;
    h.flow = texts.flow + u" м3/час"_s;
    h.freePressure = texts.freePressure + u" Па"_s;
    h.heaterAirIn = texts.heaterAirIn;
    h.heaterAirOut = texts.heaterAirOut;
    h.coolerAirIn = texts.coolerAirIn;
    h.coolerAirOut = texts.coolerAirOut;
    h.maxSpeed = texts.maxSpeed + u" м/сек"_s;
    h.waterIn = texts.waterIn + u" °C"_s;
    h.waterOut = texts.waterOut + u" °C"_s;
    h.projectName = texts.projectName;
    h.heaterCells = QStringList(heaterCellCount);
    // A unit sized by air speed alone (kind 0) has no heater.
    if (hasHeater(kind) && run.heaterColumn > 0 && run.heaterColumn <= int(run.variants.heaters.size())) {
        const THeaterVariant& heater = run.variants.heaters[size_t(run.heaterColumn - 1)];
        h.heater = heater.waterFlow > 0 ? HandoverHeater::Water : HandoverHeater::Electric;
        h.heaterCells = heaterColumnTexts(heater, inputs.heater.flow, run.sectionText, decimalSeparator);
    }
    if (hasCooler(kind) && run.section.cooler) {
        const auto rows = coolerGridRows(*run.section.cooler, decimalSeparator);
        h.coolerDuty = rows[2].second;
        h.coolerWaterFlow = rows[6].second;
        h.coolerWaterLoss = rows[7].second;
    }
    return h;
}

UnitFanDuty unitFanDuty(const UnitRun& run, double flow)
{
    return {roundHalfEven(flow), roundHalfEven(run.composition.pressure), run.sectionText};
}

QString unitFanDutyProblem(const UnitFanDuty& duty)
{
    if (!(duty.flow > 0))
        return messages::fanFlowNotPositive();
    if (!(duty.pressure > 0))
        return messages::fanPressureNotPositive();
    if (!allFinite(duty.flow, duty.pressure))
        return finiteResultMessage();
    return {};
}

} // namespace unit
