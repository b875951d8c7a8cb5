#include "curtains/CurtainDesign.h"

#include "common/FiniteResult.h"
#include "common/NumberText.h"

#include <QLocale>
#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;

namespace curtains {

namespace {

constexpr double degree = std::numbers::pi / 180.0;

// The bounds of the mean jet temperature, with the series' own degree sign.
QString jetTemperatureMessage(
    double low, double tc, double high, const QString& degrees, const QString& why, QChar sep)
{
    return hundredthsText(low, sep) + degrees + u"  <  Ср.темп-ра струи "_s + shortestText(tc, sep)
        + u"  <  "_s + hundredthsText(high, sep) + degrees + u"\n\n"_s + why;
}

std::optional<CurtainRefusal> checkJetTemperature(const CurtainInputs& in, double dt, QChar sep)
{
    const double tm = (in.tn + in.tv) / 2.0;
    const bool pln = in.series == Series::Pln;
    const QString degrees = in.series == Series::Tem ? u"°C"_s : u"^С"_s;
    // ПЛН checks the jet against the indoor air alone, before its heater is considered.
    const double warm = pln ? in.tv : in.tv + dt;
    if (in.tn < in.tv && !(tm < in.tc && in.tc < warm)) {
        const QString why = pln
            ? u"Средняя температура струи должна быть меньше температуры воздуха внутри помещения и больше "
              u"полусуммы температур наружного воздуха и воздуха внутри помещения. Уточните исходные данные."_s
            : u"Средняя температура струи должна быть меньше, чем сумма температуры воздуха внутри помещения "
              u"и понижения температуры воздуха в завесе, и больше полусуммы температур наружного воздуха и "
              u"воздуха внутри помещения. Уточните исходные данные."_s;
        return CurtainRefusal {jetTemperatureMessage(tm, in.tc, warm, degrees, why, sep), CurtainField::Tc};
    }
    if (in.tn > in.tv && !(warm < in.tc && in.tc < tm)) {
        const QString why = pln
            ? u"Средняя температура струи должна быть больше температуры воздуха внутри помещения и меньше "
              u"полусуммы температур наружного воздуха и воздуха внутри помещения. Уточните исходные данные."_s
            : u"Средняя температура струи должна быть больше, чем сумма температуры воздуха внутри помещения "
              u"и понижения температуры воздуха в завесе, и меньше полусуммы температур наружного воздуха и "
              u"воздуха внутри помещения. Уточните исходные данные."_s;
        return CurtainRefusal {jetTemperatureMessage(warm, in.tc, tm, degrees, why, sep), CurtainField::Tc};
    }
    return std::nullopt;
}

} // namespace

QString shortestText(double x, QChar sep)
{
    QString text = QString::number(x, 'g', QLocale::FloatingPointShortest);
    text.replace(QLatin1Char('.'), sep);
    return text;
}

QString hundredthsText(double x, QChar sep)
{
    return shortestText(roundHalfEven(x * 100.0) / 100.0, sep);
}

double jetDirection()
{
    return (90.0 + jetAngleDegrees) * degree;
}

double buildingCoefficient(int buildingType)
{
    constexpr double k[buildingTypeCount] = {0.2, 0.5, 0.8};
    return k[validItem(buildingType, buildingTypeCount, 0)];
}

QString buildingTypeText(int buildingType)
{
    return u"Тип %1"_s.arg(validItem(buildingType, buildingTypeCount, 0) + 1);
}

HeaterRise heaterRise(const CurtainInputs& in)
{
    HeaterRise rise {0, in.tw1, in.tw2};
    switch (in.heater) {
    case HeaterKind::None:
        break;
    case HeaterKind::Water:
        if (in.series == Series::Pln)
            rise.dt = 0.13 * (in.tw1 - in.tv);
        else
            rise.dt = (in.threeRows ? 0.375 : 0.25) * (in.tw1 - in.tv);
        break;
    case HeaterKind::Steam:
        rise = {in.threeRows ? 30.0 : 20.0, 150, 120};
        break;
    case HeaterKind::Electric:
        if (in.series == Series::Pln)
            rise.dt = 10;
        else
            rise.dt = in.reducedPower ? 20 : 30;
        break;
    }
    return rise;
}

std::optional<CurtainRefusal> checkCurtainInputs(const CurtainInputs& in, QChar sep)
{
    if (in.B <= 0)
        return CurtainRefusal {
            u"Ширина воротного проема, B не может быть меньше или равна 0?!"_s, CurtainField::B};
    if (in.B > largestBoxValue)
        return CurtainRefusal {u"Ширина воротного проема, B не может быть больше 50 м?!"_s, CurtainField::B};
    if (in.H <= 0)
        return CurtainRefusal {
            u"Высота воротного проема, H не может быть меньше или равна 0?!"_s, CurtainField::H};
    if (in.H > largestBoxValue)
        return CurtainRefusal {u"Высота воротного проема, H не может быть больше 50 м?!"_s, CurtainField::H};
    if (in.v < 0)
        return CurtainRefusal {u"Скорость ветра, v: не может быть меньше нуля?!"_s, CurtainField::V};
    if (in.v > largestBoxValue)
        return CurtainRefusal {u"Скорость ветра, v: не может быть больше 50 м/с?!"_s, CurtainField::V};
    if (in.series != Series::Pln && in.heater != HeaterKind::None && in.tn >= in.tv)
        return CurtainRefusal {
            u"Температура воздуха внутри помещения должна быть больше чем снаружи?! Исправьте "
            u"значения температур, иначе установка теплообменного элемента не имеет смысла."_s,
            CurtainField::Tv};
    if (in.tn == in.tv)
        return CurtainRefusal {
            u"Температура воздуха внутри помещения не может быть равна температуре воздуха "
            u"снаружи. Расчет не имеет смысла. Уточните исходные данные."_s,
            CurtainField::Tv};
    // Water no warmer than the room would cool the curtain's air: the heater rise has no case for it.
    if (in.heater == HeaterKind::Water && in.tw1 <= in.tv)
        return CurtainRefusal {u"Температура воды на входе должна быть больше температуры воздуха внутри "
                               u"помещения?! Уточните исходные данные."_s,
            CurtainField::Tw1};
    const HeaterRise rise = heaterRise(in);
    if (auto refusal = checkJetTemperature(in, rise.dt, sep))
        return refusal;
    if (in.series != Series::Pln && in.heater == HeaterKind::Water && in.tw2 >= in.tw1)
        return CurtainRefusal {
            u"Температура воды на выходе не может быть больше или равна температуре воды на "
            u"входе. Уточните исходные данные."_s,
            CurtainField::Tw1};
    return std::nullopt;
}

CurtainDesignOutcome designCurtain(const CurtainInputs& in)
{
    const HeaterRise rise = heaterRise(in);
    CurtainDesign d;
    d.dt = rise.dt;
    d.tw1 = rise.tw1;
    d.tw2 = rise.tw2;
    d.k = buildingCoefficient(in.buildingType);
    d.tm = (in.tn + in.tv) / 2.0;
    d.q = std::max((in.tc - d.tm) / (in.tv + d.dt - d.tm), 0.16);
    d.rhoN = 352.0 / (273.0 + in.tn);
    d.rhoV = 352.0 / (273.0 + in.tv);
    d.windPressure = 0.4 * d.k * d.rhoN * in.v * in.v;
    d.thermalPressure = 4.9 * in.H * (d.rhoN - d.rhoV);
    const double pressure = d.thermalPressure + d.windPressure;
    if (!(pressure >= 0) || !(d.rhoN > 0) || !(d.rhoV > 0))
        return {std::nullopt,
            {u"Наружный воздух не входит в открытый проем: тепловой и ветровой напоры вместе меньше нуля "
             u"(снаружи теплее, чем внутри, а ветер слаб). Завеса при таких условиях не рассчитывается. "
             u"Уточните исходные данные."_s,
                CurtainField::Tn}};
    d.gateVelocity = 0.9 * std::sqrt(pressure / d.rhoN);
    d.phi = 7.11 / (d.q * d.q);
    if (in.side)
        d.requiredSlot = (in.onePost ? 2.0 : 1.0) * in.B / d.phi;
    else
        d.requiredSlot = 2.0 * in.H / d.phi;
    const double K = std::tan((jetAngleDegrees + 12.4) * degree);
    d.requiredFlow = 1914.0 * in.H * in.B * d.q * d.gateVelocity / std::sqrt(K);
    if (in.side && !in.onePost)
        d.requiredFlow *= 0.5;
    if (!allFinite(d.requiredFlow, d.requiredSlot))
        return {std::nullopt, {finiteResultMessage(), CurtainField::None}};
    return {d, {}};
}

} // namespace curtains
