#include "smoke/SmokeCalculation.h"

#include "calcreport/MethodRange.h"
#include "sections/Fittings.h"

#include <array>
#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;

namespace smoke {

namespace {

struct DoorFlowTable {
    std::array<double, 5> width;
    std::array<double, 5> residential;
    std::array<double, 5> other;
};
constexpr DoorFlowTable doorFlowTable = {
    {0.6, 0.9, 1.2, 1.3, 2.4},
    {1.0, 0.82, 0.7, 0.51, 0.41},
    {1.05, 0.91, 0.8, 0.62, 0.5},
};

double interpolateRow(const std::array<double, 5>& x, const std::array<double, 5>& y, double at)
{
    if (at < x.front())
        return y.front();
    if (at >= x.back())
        return y.back();
    for (std::size_t i = 0; i + 1 < x.size(); ++i) {
        if (at >= x[i] && at < x[i + 1])
            return y[i] + (y[i + 1] - y[i]) * (at - x[i]) / (x[i + 1] - x[i]);
    }
    return y.back();
}

using calcreport::notComputable;

double smokeFlow(const SmokeValues& v, SmokeResult& r, QStringList& messages)
{
    const double H = v.doorHeight;
    const double B = v.doorWidth;
    const SmokeCase& c = v.flags;
    if (c.residential) {
        r.formula = SmokeFlowFormula::Residential;
        r.doorCoefficient = c.bySnip ? doorCoefficient(B, true) : 1.0;
        return 3420 * B * *r.doorCoefficient * std::pow(H, 1.5);
    }
    if (c.corridor) {
        r.formula = SmokeFlowFormula::Corridor;
        r.doorCoefficient = c.bySnip ? doorCoefficient(B, false) : 1.0;
        r.evacueeCoefficient = v.evacuees < 25 ? 0.8 : 1.0;
        return 4300 * B * *r.doorCoefficient * std::pow(H, 1.5) * *r.evacueeCoefficient;
    }
    if (!v.largeFire) {
        r.formula = SmokeFlowFormula::Room;
        const double perimeter = c.sprinkler ? 12 : v.firePerimeter;
        r.smokeLayer = c.reservoir ? v.curtainHeight : 2.5;
        return 676.8 * perimeter * std::pow(r.smokeLayer, 1.5);
    }
    r.formula = SmokeFlowFormula::LargeFire;
    r.roomVolume = v.roomArea * v.roomHeight;
    r.doorLevel = 0.5 * H + 0.2;
    const double rho = 351.6 / (v.outdoorTemperature + 273);
    r.outdoorDensity = rho;
    if (r.roomVolume > 10000)
        r.smokeWeight += 0.05 * (r.roomVolume / 1000 - 10);
    const double a1 = v.doorArea1;
    const double ratio2 = a1 / v.doorArea2;
    const double ratio3 = a1 / v.doorArea3;
    const double k = v.evacuees;
    if (v.doorCount <= 1)
        r.openDoorArea = 0.03 * k * a1;
    else if (v.doorCount == 2)
        r.openDoorArea = 0.05 * k * a1 * (1 + ratio2 * ratio2);
    else
        r.openDoorArea = 0.05 * k * a1 * (1 + ratio2 * ratio2 + ratio3 * ratio3);
    const double V = v.windSpeed;
    const double radicand = r.doorLevel * (9.8 * rho - r.smokeWeight) * rho + 0.7 * V * V * rho * rho;
    if (radicand < 0) {
        messages << notComputable(
            u"при заданных температуре наружного воздуха, скорости ветра и объеме помещения подкоренное "
            u"выражение формулы расхода дыма отрицательно."_s);
        return 0;
    }
    return 3584 * r.openDoorArea * std::sqrt(radicand);
}

// The section inputs the formulas divide by or sum up: refused before anything is computed.
bool checkSections(const SectionRecords& sections, QStringList& messages)
{
    if (sections.empty()) {
        messages << u"Не задана площадь сечения и/или длина шахты?!"_s;
        return false;
    }
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const Ychastok_record& s = sections[i];
        const QString number = QString::number(i + 1);
        if (!(s.area > 0)) {
            messages << notComputable(
                u"площадь сечения участка шахты "_s + number + u" должна быть больше нуля."_s);
            return false;
        }
        if (s.length < 0 || s.localCoefficient < 0 || s.roughness < 0) {
            messages << notComputable(u"длина, коэффициент сопротивления и шероховатость участка шахты "_s
                + number + u" не могут быть отрицательными."_s);
            return false;
        }
    }
    return true;
}

} // namespace

double doorCoefficient(double doorWidth, bool residential)
{
    return interpolateRow(
        doorFlowTable.width, residential ? doorFlowTable.residential : doorFlowTable.other, doorWidth);
}

SmokeCalculation calculateSmoke(const SmokeValues& v)
{
    SmokeCalculation calculation;
    QStringList& messages = calculation.messages;
    if (!checkSections(v.sections, messages))
        return calculation;

    SmokeResult r;
    r.smokeWeight = v.smokeWeight;
    const double G = smokeFlow(v, r, messages);
    if (!messages.isEmpty())
        return calculation;
    // A large fire whose air density balances the smoke's weight and no wind: nothing to exhaust.
    if (!(G > 0)) {
        messages << notComputable(u"расход дыма G не получается больше нуля."_s);
        return calculation;
    }
    r.smokeFlow = G;
    const double gamma = r.smokeWeight;
    const double Nk = v.valvesPerFloor;
    const double Fk = v.valveArea;
    const double Fo = v.branchArea;
    const Ychastok_record& first = v.sections.front();
    const Ychastok_record& last = v.sections.back();

    // (20)-(24) valve and branch
    r.valveVelocity = 9.8 * G / 3600 / Fk / gamma / Nk;
    const double ratio = Fk / first.area;
    r.valveResistance = v.valveCoefficient + 0.8 * ratio * ratio - 1.8 * ratio + 1;
    r.valveLoss = r.valveResistance * gamma * r.valveVelocity * r.valveVelocity / 19.6;
    r.branchVelocity = 9.8 * G / 3600 / Fo / gamma / Nk;
    r.branchDiameter = sections::equivalentDiameter(Fo);
    r.branchLoss = 0.017 * first.roughness * v.branchLength * gamma * r.branchVelocity * r.branchVelocity
        / 19.6 / r.branchDiameter;

    // (26)-(28) shaft sections
    double diameters = 0;
    for (const Ychastok_record& s : v.sections) {
        ShaftSectionFlow flow;
        flow.velocity = 9.8 * G / 3600 / s.area / gamma;
        flow.diameter = sections::equivalentDiameter(s.area);
        flow.pressureLoss = (0.021 * s.roughness * s.length / flow.diameter + s.localCoefficient) * gamma
            * flow.velocity * flow.velocity / 19.6;
        r.shaftLoss += flow.pressureLoss;
        diameters += flow.diameter;
        r.sections.push_back(flow);
    }
    // (29)-(31) losses and the leak through the closed valves of the other floors
    r.totalLoss = r.valveLoss + r.branchLoss + r.shaftLoss;
    r.firstSectionLoss = r.valveLoss + r.branchLoss + r.sections.front().pressureLoss;
    if (r.firstSectionLoss < 0) {
        messages << notComputable(
            u"отрицательное падение давления до конца первого участка шахты (длина ответвления Lo меньше нуля)."_s);
        return calculation;
    }
    r.valveLeak = 40.3 * Nk * (v.floors - 1) * std::sqrt(Fk * r.firstSectionLoss);

    // (32)-(36) the leak through the shaft walls
    r.meanDiameter = diameters / double(v.sections.size());
    r.roughShaft = last.roughness >= 2.0;
    const double c = r.roughShaft ? 0.012 : 0.004;
    r.shaftLeakCoefficient = c * std::pow(r.shaftLoss, 0.67) / (r.meanDiameter * r.sections.back().velocity);
    r.shaftLeak = r.shaftLeakCoefficient * G / 100;
    r.totalFlow = r.valveLeak + r.shaftLeak + G;

    // (37)-(40) the hot gas before the fan
    r.fanDensity = (G * gamma / 9.8 + 1.2 * (r.valveLeak + r.shaftLeak)) / r.totalFlow;
    r.fanTemperature = 353 / r.fanDensity - 273;
    const double flowRatio = r.totalFlow / G;
    r.correction = (1 + flowRatio * flowRatio) / 2;
    r.correctedLoss = r.correction * r.totalLoss;

    // (41)-(45) the fan
    if (v.fanType == FanType::Other) {
        const double dv = v.outletDiameter;
        const double velocity = 4 * r.totalFlow / std::numbers::pi / dv / dv / 3600;
        r.outletVelocity = velocity;
        r.outletLoss = (0.017 * v.outletLength / dv + (1 + v.outletResistance)) * r.outdoorDensity * velocity
            * velocity / 2;
    }
    r.draught = v.heightDifference * (1.2 - r.fanDensity) * 9.81;
    r.fanFlow = r.totalFlow / r.fanDensity;
    r.fanPressure = 1.2 * (r.correctedLoss + r.outletLoss) / r.fanDensity - r.draught;

    const auto undefined = calcreport::undefinedQuantity({{u"G", G}, {u"vk", r.valveVelocity},
        {u"pk", r.valveLoss}, {u"vo", r.branchVelocity}, {u"po", r.branchLoss}, {u"Σpш", r.shaftLoss},
        {u"Gk", r.valveLeak}, {u"Kш", r.shaftLeakCoefficient}, {u"Gш", r.shaftLeak}, {u"Gc", r.totalFlow},
        {u"ρв", r.fanDensity}, {u"Tв", r.fanTemperature}, {u"Kк", r.correction}, {u"Pк", r.correctedLoss},
        {u"Vo", r.outletVelocity}, {u"Po", r.outletLoss}, {u"Pт", r.draught}, {u"Qв", r.fanFlow},
        {u"Pв", r.fanPressure}});
    if (undefined) {
        messages << calcreport::undefinedQuantityMessage(*undefined);
        return calculation;
    }
    // The natural draught of a tall shaft may outweigh every loss of the network.
    const QString draughtCause = r.draught > 0
        ? u"Естественная тяга Pт при перепаде высот dH больше потерь давления в сети."_s
        : QString();
    if (const auto refusal
        = calcreport::dutyRefusal({u"вентилятора"_s, r.fanFlow, r.fanPressure, {}, draughtCause})) {
        messages << *refusal;
        calculation.refusedResult = r;
        return calculation;
    }
    calculation.result = r;
    return calculation;
}

} // namespace smoke
