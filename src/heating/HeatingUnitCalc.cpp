#include "heating/HeatingUnitCalc.h"

#include "common/FiniteResult.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;

namespace heating {

namespace {

constexpr double gravity = 9.81;
constexpr double workingZoneHeight = 1.5; // m
constexpr double absoluteZero = 273;
// Half the opening angle of the warm jet, 102.4° in radians.
constexpr double jetSpreadAngle = 1.7872171540421935;
constexpr double convergenceTolerance = 0.001;

struct BuildingLossFactors {
    double c;
    double e;
};
constexpr std::array<BuildingLossFactors, buildingTypeCount> buildingLoss = {{
    {9.26, -0.263},
    {8.85, -0.285},
    {8.07, -0.3},
}};

HeatingUnitOutcome refuse(QString message, HeatingUnitField field)
{
    return {std::nullopt, std::move(message), field};
}

bool isFinite(const HeatingUnitResult& r)
{
    return allFinite(
        r.waterFlow, r.output, r.waterLoss, r.outletTemp, r.hmin, r.spread, r.area, r.xmax, r.xmin);
}

// Fixed-point iteration on the heat output of one unit. Returns false when it does not settle.
bool iterateOutput(const HeatingUnitModel& model, const HeatingUnitInputs& in, HeatingUnitResult& result)
{
    double q = model.startOutput;
    double w = 0;
    double c = 0;
    double k = 1000;
    int passes = 0;
    while (std::abs(c - k) > convergenceTolerance) {
        if (passes == maxOutputPasses || !std::isfinite(q))
            return false;
        ++passes;
        w = 900.0 * q / (in.tw1 - in.tw2);
        c = q / (in.tw1 - in.tv);
        k = model.a * std::pow(model.airFlow, model.nL) * std::pow(w, model.nW) / 1000.0;
        q = (in.tw1 - in.tv) * k;
    }
    // W stays the value of the last pass, computed from the output before that pass's update.
    result.waterFlow = w;
    result.output = q;
    result.passes = passes;
    return true;
}

void computeJet(const HeatingUnitModel& model, const HeatingUnitInputs& in, HeatingUnitResult& result)
{
    const double alpha
        = -(90.0 + jetAngles[static_cast<std::size_t>(in.angleItem)]) * std::numbers::pi / 180.0;
    const double u0 = (model.airFlow / 3600.0) / (std::numbers::pi * model.radius * model.radius);
    const double archimedes
        = gravity * model.radius * (result.outletTemp - in.tv) / (in.tv + absoluteZero) / u0;
    const double k1 = std::sqrt((in.tv + absoluteZero) / (result.outletTemp + absoluteZero));
    const double k2 = 0.096 * archimedes;
    const double s = std::sin(alpha);
    // sin(0) may come out as a tiny negative number; the horizontal jet has X = 0 exactly.
    const double x = in.angleItem == horizontalJetItem ? 0.0 : std::sqrt(-k1 * s / k2);
    const double y = x * x * x * k2 / (3.0 * k1) + s * x;

    result.spread = 0.22 * x * model.radius;
    if (in.angleItem == horizontalJetItem) {
        result.hmin = x * model.radius + workingZoneHeight;
        result.area = std::numbers::pi * result.spread * result.spread;
        result.xmax.reset();
        result.xmin.reset();
        return;
    }
    result.hmin = workingZoneHeight - y * model.radius - 0.5 * model.b;
    const double h = result.hmin + model.b - workingZoneHeight;
    result.xmax = std::abs(h / std::tan(std::abs(alpha) + jetSpreadAngle));
    result.xmin = std::abs(h / std::tan(std::abs(alpha) - jetSpreadAngle));
    // A jet straight down has both boundaries at the same distance; their difference is rounding noise.
    const double width = *result.xmax - *result.xmin;
    const bool sameBoundary = std::abs(width) <= 1e-9 * std::max(*result.xmax, *result.xmin);
    result.area = sameBoundary ? 0.0 : width * result.spread;
}

} // namespace

double buildingHeatDemand(double tn, double tv, double volume, double gains, int buildingType)
{
    const BuildingLossFactors& f = buildingLoss[static_cast<std::size_t>(buildingType)];
    const double specificLoss = f.c * std::pow(volume, f.e) * std::pow(tn / -10.0, -0.352);
    return specificLoss * volume * (tv - tn) / 1000.0 - gains;
}

HeatingUnitOutcome calculateHeatingUnits(const HeatingUnitInputs& in)
{
    if (in.tn >= in.tv)
        return refuse(
            u"Температура воздуха внутри помещения должна быть больше чем снаружи?! Исправьте значения "
            u"температур, иначе установка теплообменного элемента не имеет смысла."_s,
            HeatingUnitField::None);
    if (in.tw2 >= in.tw1)
        return refuse(u"Температура воды на выходе не может быть больше или равна температуре воды на входе. "
                      u"Уточните исходные данные."_s,
            HeatingUnitField::Tw1);
    if (in.tw1 <= in.tv)
        return refuse(u"Температура воды на входе должна быть больше температуры воздуха внутри помещения?! "
                      u"Уточните исходные данные."_s,
            HeatingUnitField::Tw1);
    if (in.angleItem < 0 || in.angleItem >= static_cast<int>(jetAngles.size()))
        return refuse(u"Выберите начальный угол отклонения струи: 0, -30, -45, -60 или -90 градусов."_s,
            HeatingUnitField::None);

    HeatingUnitRun run;
    if (in.mode == DemandMode::Given) {
        run.demand = in.givenDemand;
    } else {
        if (in.tn >= 0)
            return refuse(u"Расчет теплопотерь здания выполняется для отрицательной температуры наружного "
                          u"воздуха?! Задайте tн ниже 0 °C или задайте необходимую мощность для нагрева."_s,
                HeatingUnitField::Tn);
        if (in.volume <= 0)
            return refuse(u"Внешний объем здания должен быть больше нуля?! Уточните исходные данные."_s,
                HeatingUnitField::Volume);
        if (in.buildingType < 0 || in.buildingType >= buildingTypeCount)
            return refuse(u"Выберите тип здания."_s, HeatingUnitField::None);
        run.demand = buildingHeatDemand(in.tn, in.tv, in.volume, in.gains, in.buildingType);
    }
    const QString outOfRange = finiteResultMessage();
    if (!std::isfinite(run.demand))
        return refuse(outOfRange, HeatingUnitField::None);
    // No heat to give: the units would be counted as zero or fewer.
    if (!(run.demand > 0)) {
        if (in.mode == DemandMode::Given)
            return refuse(u"Необходимая мощность для нагрева, Q должна быть больше нуля?! Уточните исходные "
                          u"данные."_s,
                HeatingUnitField::Demand);
        return refuse(
            u"Теплопритоки не меньше теплопотерь здания: необходимая мощность для нагрева не больше "
            u"нуля, агрегаты не нужны?! Уточните исходные данные."_s,
            HeatingUnitField::Gains);
    }

    const auto& models = heatingUnitModels();
    for (std::size_t i = 0; i < models.size(); ++i) {
        const HeatingUnitModel& model = models[i];
        HeatingUnitResult& result = run.models[i];
        if (!iterateOutput(model, in, result))
            return refuse(
                u"Расчет тепловой мощности агрегата ЛУМА %1 не сходится?! Уточните исходные данные."_s.arg(
                    model.name),
                HeatingUnitField::None);
        result.waterLoss = model.d * std::pow(result.waterFlow / 100.0, model.nd);
        result.outletTemp = 3000.0 * result.output / model.airFlow + in.tv;
        const double units = std::ceil(run.demand / result.output);
        // Beyond this the count is no longer an engineering answer (and would not fit an integer).
        if (!std::isfinite(units) || std::abs(units) > 1e12)
            return refuse(outOfRange, HeatingUnitField::None);
        result.units = static_cast<long long>(units);
        computeJet(model, in, result);
        if (!isFinite(result))
            return refuse(outOfRange, HeatingUnitField::None);
    }
    return {std::move(run), {}, HeatingUnitField::None};
}

} // namespace heating
