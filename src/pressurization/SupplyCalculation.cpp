#include "pressurization/SupplyCalculation.h"

#include "calcreport/MethodRange.h"
#include "pressurization/SupplyDuct.h"
#include "pressurization/SupplyTables.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace pressurization {

namespace {

double massToVolume(double massFlow)
{
    return massFlow / 1.2;
}

// Air leaving the shaft on the first storey, scheme S: by the tambour and the lifts; no formula for
// other numbers of lifts.
double firstFloorFlow(bool directTambour, int lifts, double p)
{
    if (directTambour && lifts == 2)
        return 1930 + 1000 * std::sqrt(11 * p - 10);
    if (directTambour && lifts == 3)
        return 3230 + 1000 * std::sqrt(18.5 * p - 12);
    if (!directTambour && lifts == 2)
        return 2950 + 1000 * std::sqrt(8.8 * p - 12);
    if (!directTambour && lifts == 3)
        return 4350 + 1000 * std::sqrt(12.95 * p - 11.5);
    return 0;
}

struct Common {
    const SupplyValues& v;
    SupplyResult& r;
    double stack() const { return v.floors * v.storeyHeight * r.stackTerm; } // N · h · Y_Y
    double duct(int fan, double flow)
    {
        const double loss = ductLoss(v.sections[fan], flow, supplyFlowMultiplier(v.scheme));
        r.ductLosses[fan] = loss;
        return loss;
    }
};

void shaftScheme(Common& c)
{
    const SupplyValues& v = c.v;
    SupplyResult& r = c.r;
    r.shaftPressure = 0.7 * v.windSpeed * v.windSpeed * r.outdoorDensity + 20;
    double g1 = firstFloorFlow(v.directTambour, v.lifts, r.shaftPressure);
    r.firstFloorFlowBeforeWidth = g1;
    if (v.leafWidth != 0.6) {
        g1 = 1.67 * v.leafWidth * g1;
        r.widthCorrected = true;
    }
    r.firstFloorFlow = g1;
    r.meanFloorFlow = 1050 + 5.2 * std::sqrt(r.shaftPressure) + 20.0 * (v.floors - 1) + 30.0 * (v.doors - 4);
    r.fanMassFlow = g1 + (r.meanFloorFlow - 5 * (v.outdoorTemperature + 25)) * (v.floors - 1);
    r.fanVolumeFlow = massToVolume(*r.fanMassFlow);
    r.fanPressure = c.duct(0, *r.fanVolumeFlow) + r.shaftPressure + c.stack();
    r.fans = {{*r.fanVolumeFlow, *r.fanPressure}};
}

double lobbyPressure(const SupplyValues& v, const SupplyResult& r)
{
    return 0.7 * v.windSpeed * v.windSpeed * r.outdoorDensity + 20;
}

// Gср, Gдв, Gоб and Qоб of schemes J and D.
void totalFlows(Common& c)
{
    const SupplyValues& v = c.v;
    SupplyResult& r = c.r;
    const FloorFlowCoefficients k = floorFlowCoefficients(v.doors, r.heightClass);
    r.meanFloorFlow
        = k.factor * std::pow(r.heightClass * v.storeyHeight * r.stackTerm + r.shaftPressure, k.exponent);
    r.doorFlow = (v.directTambour ? 2875 : 2075) * v.entranceArea * std::sqrt(*r.lobbyPressure);
    r.totalFlow = r.meanFloorFlow * (v.floors - 1) + *r.doorFlow + v.smokeFlow;
    r.totalVolumeFlow = massToVolume(*r.totalFlow);
}

void jointScheme(Common& c)
{
    const SupplyValues& v = c.v;
    SupplyResult& r = c.r;
    const double pvs = lobbyPressure(v, r);
    const double pksh = 100;
    r.lobbyPressure = pvs;
    r.shaftStairDifference = pksh;
    if (v.lifts == 2)
        r.shaftPressure = 2 * pvs - 0.1 * pksh;
    else if (v.lifts == 3)
        r.shaftPressure = 1.56 * pvs - 0.067 * pksh;
    else
        r.shaftPressure = 1.4 * pvs - 0.053 * pksh;
    totalFlows(c);
    const StairAirJ k = stairAirJ(r.heightClass, v.lifts);
    const double p = r.shaftPressure;
    r.stairFlow = k.a * std::pow(p, k.w) * (pksh + p) - k.c * std::pow(p, k.b);
    r.shaftFlow = *r.totalFlow - *r.stairFlow;
    r.fanPressure = c.duct(0, *r.totalVolumeFlow) + p + c.stack() + pksh;
    r.fans = {{*r.totalVolumeFlow, *r.fanPressure}};
}

// Pвс and Pкш of schemes D and Z: 50 Pa unless the shaft table gives less.
void shaftStairDifference(Common& c)
{
    SupplyResult& r = c.r;
    r.lobbyPressure = lobbyPressure(c.v, r);
    r.shaftStairDifference = 50;
    const ShaftDifferenceRow row
        = tabulatedShaftDifference(r.heightClass, c.v.lifts, c.v.doors, *r.lobbyPressure);
    if (row.found && row.value > 0 && row.value < 50) {
        r.shaftStairDifference = row.value;
        r.tabulatedDifference = true;
    }
}

double stairAir(const StairAirCoefficients& k, double shaftPressure, double difference)
{
    const double p = shaftPressure;
    return std::pow(10.0, k.b * p + k.c) * std::pow(difference + p, k.d * p + k.e);
}

void separateScheme(Common& c)
{
    const SupplyValues& v = c.v;
    SupplyResult& r = c.r;
    shaftStairDifference(c);
    const double pvs = *r.lobbyPressure;
    const double pksh = *r.shaftStairDifference;
    if (v.lifts == 2)
        r.shaftPressure = 25 + 1.9 * pvs - 0.22 * pksh;
    else if (v.lifts == 3)
        r.shaftPressure = 15 + 1.7 * pvs - 0.2 * pksh;
    else
        r.shaftPressure = 5 + 1.4 * pvs - 0.18 * pksh;
    totalFlows(c);
    r.stairFlow = stairAir(stairAirD(r.heightClass, v.lifts, v.doors), r.shaftPressure, pksh);
    r.shaftFlow = *r.totalFlow - *r.stairFlow;
    r.shaftVolumeFlow = massToVolume(*r.shaftFlow);
    r.stairVolumeFlow = massToVolume(*r.stairFlow);
    r.shaftFanPressure = c.duct(0, *r.shaftVolumeFlow) + r.shaftPressure + c.stack();
    r.stairFanPressure = c.duct(1, *r.stairVolumeFlow) + r.shaftPressure + c.stack() + pksh;
    r.fans = {{*r.shaftVolumeFlow, *r.shaftFanPressure}, {*r.stairVolumeFlow, *r.stairFanPressure}};
}

void zonesScheme(Common& c)
{
    const SupplyValues& v = c.v;
    SupplyResult& r = c.r;
    shaftStairDifference(c);
    const double pvs = *r.lobbyPressure;
    const double pksh = *r.shaftStairDifference;
    const int nz = v.zoneFloors;
    const ZoneShaftCoefficients k = zoneShaftCoefficients(nz, v.lifts);
    const double p = k.a + k.b * pvs - k.d * pksh;
    r.shaftPressure = p;
    r.meanFloorFlow = 7.7 * pksh + 1490 + 1.73 * p;
    r.doorFlow = (v.directTambour ? 2875 : 2075) * v.entranceArea * std::sqrt(pvs);
    r.lowerTotalFlow = r.meanFloorFlow * (nz - 1) + *r.doorFlow;
    r.lowerTotalVolumeFlow = massToVolume(*r.lowerTotalFlow);
    r.lowerStairFlow = stairAir(zoneStairAir(nz), p, pksh);
    r.lowerStairVolumeFlow = massToVolume(*r.lowerStairFlow);
    r.lowerShaftFlow = *r.lowerTotalFlow - *r.lowerStairFlow;
    const double zoneStack = nz * v.storeyHeight * r.stackTerm; // Nз · h · Y_Y
    r.lowerZonePressure = p + pksh - zoneStack;
    r.upperZonePressure = *r.lowerZonePressure - 0.03 * p + nz - 5;
    r.upperStairFlow = 11500 + 44 * *r.upperZonePressure - 21 * (p - 235) + 1060.0 * (nz - 5);
    r.upperStairVolumeFlow = massToVolume(*r.upperStairFlow);
    r.upperZoneAir = 4.07 * (p + *r.upperZonePressure) + 2106;
    r.upperShaftFlow = *r.upperZoneAir * nz + v.smokeFlow - *r.upperStairFlow;
    r.shaftFlow = *r.upperShaftFlow + *r.lowerShaftFlow;
    r.shaftVolumeFlow = massToVolume(*r.shaftFlow);
    r.shaftFanPressure = c.duct(0, *r.shaftVolumeFlow) + *r.upperZonePressure + c.stack();
    r.upperStairFanPressure = c.duct(1, *r.upperStairVolumeFlow) + *r.upperZonePressure + 2 * c.stack();
    r.lowerStairFanPressure = c.duct(2, *r.lowerStairVolumeFlow) + *r.lowerZonePressure + 2 * zoneStack;
    r.fans = {{*r.shaftVolumeFlow, *r.shaftFanPressure}, {*r.upperStairVolumeFlow, *r.upperStairFanPressure},
        {*r.lowerStairVolumeFlow, *r.lowerStairFanPressure}};
}

// The inputs no formula of the scheme can take.
QString unusableInput(const SupplyValues& v)
{
    if (!(v.outdoorTemperature > -273))
        return u"температура наружного воздуха tн должна быть выше -273 °C."_s;
    if (!liftsProvidedFor(v.lifts))
        return u"число лифтов в секции m должно быть от 2 до 4."_s;
    for (int fan = 0; fan < supplyFanCount(v.scheme); ++fan) {
        if (const auto section = unusableSection(v.sections[fan]))
            return u"не задана площадь сечения (диаметр) участка "_s + QString::number(*section)
                + u" вентилятора "_s + QString::number(fan + 1) + u"."_s;
    }
    return {};
}

// The first quantity of the result that is not a finite number; the fans' duties are among them.
std::optional<QString> undefinedQuantity(const SupplyResult& r)
{
    const auto& pc = r.ductLosses;
    return calcreport::undefinedQuantity({{u"ρн", r.outdoorDensity}, {u"Y_Y", r.stackTerm},
        {u"Pвс", r.lobbyPressure}, {u"Pкш", r.shaftStairDifference}, {u"Pш1", r.shaftPressure},
        {u"Gш1", r.firstFloorFlow}, {u"Gср", r.meanFloorFlow}, {u"G", r.fanMassFlow}, {u"Q", r.fanVolumeFlow},
        {u"Gдв", r.doorFlow}, {u"Gоб", r.totalFlow}, {u"Qоб", r.totalVolumeFlow}, {u"Gk", r.stairFlow},
        {u"Qk", r.stairVolumeFlow}, {u"Gш", r.shaftFlow}, {u"Qш", r.shaftVolumeFlow},
        {u"Gобн", r.lowerTotalFlow}, {u"Qобн", r.lowerTotalVolumeFlow}, {u"Gкн", r.lowerStairFlow},
        {u"Qкн", r.lowerStairVolumeFlow}, {u"Gшн", r.lowerShaftFlow}, {u"Pнзк", r.lowerZonePressure},
        {u"Pвзк", r.upperZonePressure}, {u"Gкв", r.upperStairFlow}, {u"Qкв", r.upperStairVolumeFlow},
        {u"Gвзк", r.upperZoneAir}, {u"Gвзш", r.upperShaftFlow}, {u"Pc1", pc[0]}, {u"Pc2", pc[1]},
        {u"Pc3", pc[2]}, {u"Pв", r.fanPressure}, {u"Pвш", r.shaftFanPressure}, {u"Pвк", r.stairFanPressure},
        {u"Pвкв", r.upperStairFanPressure}, {u"Pвкн", r.lowerStairFanPressure}});
}

// Where the method tells which inputs lead a fan's flow to zero or below: the lift shafts of scheme D
// get the air of too few storeys for the staircase's share, those of scheme Z the air of too few
// storeys of a zone.
QString flowCause(SupplyScheme scheme, int fan)
{
    if (fan == 0 && scheme == SupplyScheme::Separate)
        return u"В здании слишком мало этажей для раздельной подачи воздуха."_s;
    if (fan == 0 && scheme == SupplyScheme::Zones)
        return u"В зоне слишком мало этажей для здания."_s;
    return {};
}

// A fan pressure of zero or below: in warm weather the stack term N · h · Y_Y is negative.
QString pressureCause(const SupplyResult& r)
{
    if (r.stackTerm < 0)
        return u"При температуре наружного воздуха выше 13,65 °C слагаемое N · h · Y_Y отрицательно и больше "
               u"остальных слагаемых давления."_s;
    return {};
}

// The refusal of the first fan whose duty no fan selection can take.
std::optional<QString> dutyRefusal(const SupplyResult& r)
{
    for (std::size_t i = 0; i < r.fans.size(); ++i) {
        const int fan = static_cast<int>(i);
        const auto refusal = calcreport::dutyRefusal({u"вентилятора "_s + QString::number(fan + 1),
            r.fans[i].flow, r.fans[i].pressure, flowCause(r.scheme, fan), pressureCause(r)});
        if (refusal)
            return refusal;
    }
    return std::nullopt;
}

} // namespace

SupplyCalculation calculateSupply(const SupplyValues& v)
{
    SupplyCalculation calculation;
    if (const QString unusable = unusableInput(v); !unusable.isEmpty()) {
        calculation.messages << calcreport::notComputable(unusable);
        return calculation;
    }
    SupplyResult r;
    r.scheme = v.scheme;
    r.outdoorDensity = 353 / (v.outdoorTemperature + 273);
    r.stackTerm = 0.4 - 0.0293 * v.outdoorTemperature;
    r.heightClass = heightClass(v.floors);
    Common common {v, r};
    switch (v.scheme) {
    case SupplyScheme::Shaft:
        shaftScheme(common);
        break;
    case SupplyScheme::Joint:
        jointScheme(common);
        break;
    case SupplyScheme::Separate:
        separateScheme(common);
        break;
    case SupplyScheme::Zones:
        zonesScheme(common);
        break;
    }
    if (const auto symbol = undefinedQuantity(r)) {
        calculation.messages << calcreport::undefinedQuantityMessage(*symbol);
        return calculation;
    }
    if (const auto refusal = dutyRefusal(r)) {
        calculation.messages << *refusal;
        calculation.refusedResult = std::move(r);
        return calculation;
    }
    calculation.result = std::move(r);
    return calculation;
}

} // namespace pressurization
