#include "generator/CatalogueGenerator.h"
#include "generator/CatalogueGeneratorSeries.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace fans {
namespace {
using namespace generated;

constexpr double airDensity = 1.2; // kg/m³, standard air of the general catalogue
constexpr double smokeTableDensity = 1.19682; // kg/m³, air at 20 °C of the smoke-exhaust catalogue
constexpr int maxNameLength = 25;

// A dimensionless fan characteristic along t = 0..1 from near shut-off to the largest tabulated flow.
struct Characteristic {
    double phiLo, phiHi; // flow coefficient at the first and last point
    double psiLo, psiHi; // pressure coefficient there
    double linear; // share of the linear term in the pressure drop (the rest is quadratic)
    double etaLo, etaPeak, etaHi, tPeak;

    double phi(double t) const { return phiLo + (phiHi - phiLo) * t; }
    double psi(double t) const { return psiLo + (psiHi - psiLo) * (linear * t + (1 - linear) * t * t); }
    // Two parabolas meeting at the best-efficiency point, so both ends keep a sensible efficiency.
    double eta(double t) const
    {
        const double x = t < tPeak ? (tPeak - t) / tPeak : (t - tPeak) / (1 - tPeak);
        const double end = t < tPeak ? etaLo : etaHi;
        return etaPeak - (etaPeak - end) * x * x;
    }
};

Characteristic characteristicOf(ImpellerKind kind)
{
    switch (kind) {
    case ImpellerKind::BackwardCurved:
        return {0.06, 0.30, 1.05, 0.48, 0.25, 0.50, 0.78, 0.45, 0.5};
    case ImpellerKind::ForwardCurved:
        return {0.12, 0.55, 2.30, 1.25, 0.0, 0.38, 0.60, 0.34, 0.55};
    case ImpellerKind::Axial:
        return {0.12, 0.36, 0.42, 0.12, 0.65, 0.42, 0.76, 0.36, 0.45};
    case ImpellerKind::RoofRadial:
        return {0.05, 0.30, 0.85, 0.28, 0.3, 0.40, 0.62, 0.30, 0.45};
    case ImpellerKind::MixedFlow:
        return {0.10, 0.42, 0.78, 0.26, 0.5, 0.42, 0.70, 0.36, 0.5};
    }
    return {};
}

constexpr double motorEfficiency = 0.72; // of the small external-rotor motors whose input power is listed

// The standard motor row, kW, as written in Ny.
constexpr std::array motorRow {0.09, 0.12, 0.18, 0.25, 0.37, 0.55, 0.75, 1.1, 1.5, 2.2, 3.0, 4.0, 5.5, 7.5,
    11.0, 15.0, 18.5, 22.0, 30.0, 37.0, 45.0, 55.0, 75.0, 90.0, 110.0};

double roundTo(double value, double step)
{
    return std::round(value / step) * step;
}

int synchronousSpeed(int poles)
{
    return 6000 / poles;
}

// Rated speed of an induction motor: small motors slip more, single-phase ones more still.
int ratedSpeed(int poles, bool threePhase, double motorKw)
{
    const double slip = motorKw <= 0.12 ? 0.10
        : motorKw <= 0.37               ? 0.075
        : motorKw <= 1.1                ? 0.055
        : motorKw <= 4                  ? 0.04
        : motorKw <= 15                 ? 0.03
        : motorKw <= 45                 ? 0.02
                                        : 0.015;
    const double speed = synchronousSpeed(poles) * (1 - slip - (threePhase ? 0 : 0.03));
    return static_cast<int>(roundTo(speed, 5));
}

// The smallest motor of the standard row that covers the largest shaft power with a margin for air
// density and wear.
std::optional<double> motorFor(double maxShaftKw)
{
    const double needed = maxShaftKw * (maxShaftKw < 3 ? 1.15 : 1.1);
    const auto motor
        = std::find_if(motorRow.begin(), motorRow.end(), [&](double kw) { return kw >= needed; });
    if (motor == motorRow.end())
        return std::nullopt;
    return *motor;
}

QString motorText(double kw)
{
    QString text = QString::number(kw, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text.replace(QLatin1Char('.'), QLatin1Char(','));
}

// splitmix64: a small fixed hash, so that numbered copies differ the same way on every machine.
double unitHash(std::uint64_t x)
{
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    x ^= x >> 31;
    return static_cast<double>(x >> 11) / static_cast<double>(1ULL << 53);
}

QString seriesName(const SeriesDef& def, int copy)
{
    QString code = def.code;
    if (copy > 0)
        code += QLatin1Char('-') + QString::number(copy + 1);
    QString name = def.tail.isEmpty() ? code : code + QLatin1Char(' ') + def.tail;
    return name.left(maxNameLength).trimmed();
}

struct Variant {
    Size size;
    int poles;
    bool threePhase;
};

std::vector<Variant> variantsOf(const SeriesDef& def)
{
    std::vector<Variant> variants;
    for (const Size& size : def.sizes) {
        for (int poles : def.poles) {
            const bool singlePhase = size.d <= def.singlePhaseMaxD && poles <= 4;
            if (singlePhase)
                variants.push_back({size, poles, false});
            if (!singlePhase || size.d <= def.bothPhasesMaxD)
                variants.push_back({size, poles, true});
        }
    }
    return variants;
}

double motorMass(double kw)
{
    return 3 + 8.5 * std::pow(kw, 0.85);
}

double casingMass(Build build, double dm)
{
    switch (build) {
    case Build::RoundDuct:
        return 2 + 45 * std::pow(dm, 2);
    case Build::Box:
        return 8 + 110 * std::pow(dm, 2);
    case Build::Roof:
        return 12 + 120 * std::pow(dm, 2);
    case Build::AxialCasing:
    case Build::Wall:
        return 6 + 70 * std::pow(dm, 2);
    case Build::Scroll:
        return 15 + 180 * std::pow(dm, 2);
    }
    return 0;
}

double lengthOf(Build build, const Size& size)
{
    switch (build) {
    case Build::RoundDuct:
        return 1.1 * size.d + 180;
    case Build::Box:
        return 1.4 * size.d + 380;
    case Build::Roof:
        return 0.8 * size.d + 300;
    case Build::AxialCasing:
        return 0.5 * size.d + 250;
    case Build::Wall:
        return 0.4 * size.d + 200;
    case Build::Scroll:
        return 1.5 * size.d + 220;
    }
    return 0;
}

// The smoke table keeps a mounting size in A and B: the base of a roof or wall fan, the outlet flange of a
// radial fan, the casing bore of an axial fan.
Size smokeMountingSize(Build build, int d)
{
    const auto round10 = [](double v) { return static_cast<int>(roundTo(v, 10)); };
    switch (build) {
    case Build::Roof:
    case Build::Wall:
        return {d, round10(1.3 * d + 100), round10(1.3 * d + 100)};
    case Build::Scroll:
        return {d, round10(0.8 * d), round10(0.6 * d)};
    default:
        return {d, d, 0};
    }
}

// One impeller size running at one speed: turns the dimensionless coefficients into flow and pressure.
struct Duty {
    double tipSpeed; // m/s
    double area; // impeller disc, m²
    double density; // kg/m³

    Duty(const SeriesDef& def, double dm, int rpm)
        : tipSpeed(std::numbers::pi * dm * rpm / 60)
        , area(std::numbers::pi * dm * dm / 4)
        , density(def.smoke ? smokeTableDensity : airDensity)
    {
    }
    double flow(double phi) const { return phi * area * tipSpeed * 3600; } // m³/h
    double pressure(double psi) const { return psi * density / 2 * tipSpeed * tipSpeed; } // Pa
};

// Fills the curve columns of a fan at the given duty; returns the largest shaft power, kW.
double fillCurve(FanRecord& fan, const SeriesDef& def, const Characteristic& ch, const Duty& duty)
{
    const double motorShare = def.electricalPower ? motorEfficiency : 1.0;
    fan.pointCount = def.points;
    double maxShaftKw = 0;
    for (int i = 0; i < def.points; ++i) {
        const double t = static_cast<double>(i) / (def.points - 1);
        const double q = duty.flow(ch.phi(t));
        const double p = duty.pressure(ch.psi(t));
        const double eta = ch.eta(t) * def.etaScale * motorShare;
        const double flow = std::round(q);
        const double pressure = std::round(p);
        const double power = std::max(0.001, roundTo(q * p / (3600 * 1000 * eta), 0.001));
        fan.columns[i] = flow;
        fan.columns[20 + i] = pressure;
        fan.columns[40 + i] = power;
        fan.columns[60 + i] = roundTo(flow * pressure / (3600 * 1000 * power), 0.001);
        maxShaftKw = std::max(maxShaftKw, power * motorShare);
    }
    return maxShaftKw;
}

// A-weighted sound power from the best-efficiency duty: Lw ≈ 10·lg Q + 20·lg p + const, louder at the
// outlet of a radial fan, damped by the casing around it.
void fillSoundLevels(FanRecord& fan, const SeriesDef& def, const Characteristic& ch, const Duty& duty)
{
    const double kindOffset = def.kind == ImpellerKind::Axial ? 3
        : def.kind == ImpellerKind::ForwardCurved             ? 1
                                                              : -1;
    const double lwa = 10 * std::log10(duty.flow(ch.phi(ch.tPeak)))
        + 20 * std::log10(duty.pressure(ch.psi(ch.tPeak))) - 8 + kindOffset;
    fan.lpaInput = std::round(lwa);
    fan.lpaOutput = std::round(lwa + (def.kind == ImpellerKind::Axial ? 1 : 3));
    fan.lpaArround = std::round(lwa - def.casingAttenuation);
}

// Mass, length and prices grow with the impeller and the motor.
void fillMakerData(FanRecord& fan, const SeriesDef& def, const Size& size, double motorKw, int copy)
{
    const double dm = size.d / 1000.0;
    fan.massa = roundTo(def.massFactor * casingMass(def.build, dm) + motorMass(motorKw), 0.1);
    fan.dlina = std::round(lengthOf(def.build, size));
    const double casingPrice = def.priceFactor * (9000 + 150000 * std::pow(dm, 1.8));
    const double motorPrice = 4000 + 7000 * std::pow(motorKw, 0.85) * (fan.fazkol ? 1.0 : 1.25);
    const double variation = copy > 0 ? 0.95 + 0.1 * unitHash(static_cast<std::uint64_t>(copy) * 7919) : 1.0;
    fan.money = roundTo((casingPrice + motorPrice) * variation, 10);
    if (def.smoke) {
        fan.stoikost = def.stoikostMinD > 0 && size.d >= def.stoikostMinD;
        if (fan.stoikost)
            fan.money600 = roundTo(fan.money * 1.22, 10);
    }
}

// One record, or nothing when the size does not make a sensible fan at this speed (tip speed or motor out of
// the series' range).
std::optional<FanRecord> makeFan(
    const SeriesDef& def, const Characteristic& ch, const QString& name, const Variant& v, int copy)
{
    const double dm = v.size.d / 1000.0;
    const int nominalSpeed = static_cast<int>(synchronousSpeed(v.poles) * 0.96);
    const double nominalTipSpeed = Duty(def, dm, nominalSpeed).tipSpeed;
    if (nominalTipSpeed < def.uMin || nominalTipSpeed > def.uMax)
        return std::nullopt;

    // The speed depends on the motor and the motor on the power at that speed: settle both.
    FanRecord fan;
    int rpm = nominalSpeed;
    double maxShaftKw = fillCurve(fan, def, ch, Duty(def, dm, rpm));
    for (int pass = 0; pass < 4; ++pass) {
        const auto motor = motorFor(maxShaftKw);
        if (!motor || ratedSpeed(v.poles, v.threePhase, *motor) == rpm)
            break;
        rpm = ratedSpeed(v.poles, v.threePhase, *motor);
        maxShaftKw = fillCurve(fan, def, ch, Duty(def, dm, rpm));
    }
    const auto motor = motorFor(maxShaftKw);
    if (!motor || *motor > def.maxMotorKw || (!v.threePhase && *motor > 2.2))
        return std::nullopt; // no single-phase motors of that size

    fan.name = name;
    fan.krugl = def.krugl;
    fan.krysh = def.krysh;
    fan.podpor = def.podpor;
    const Size size = def.smoke ? smokeMountingSize(def.build, v.size.d) : v.size;
    fan.a = size.a;
    fan.b = size.b;
    fan.d = v.size.d;
    fan.n = rpm;
    fan.polus = v.poles;
    fan.fazkol = v.threePhase;
    fan.davlen = def.davlen;
    fan.autoName = def.autoName;
    fan.ny = motorText(*motor);
    if (!def.autoName)
        fan.manualName = QStringLiteral("%1-%2/%3").arg(v.size.d / 10).arg(v.poles).arg(fan.ny);
    fillSoundLevels(fan, def, ch, Duty(def, dm, rpm));
    fillMakerData(fan, def, v.size, *motor, copy);
    return fan;
}

Characteristic scaled(Characteristic ch, double phiScale, double psiScale)
{
    ch.phiLo *= phiScale;
    ch.phiHi *= phiScale;
    ch.psiLo *= psiScale;
    ch.psiHi *= psiScale;
    return ch;
}

// A numbered copy gets a slightly different impeller: a few per cent more or less flow and pressure.
Characteristic copyCharacteristic(Characteristic ch, int seriesIndex, int copy)
{
    if (copy == 0)
        return ch;
    const auto key = static_cast<std::uint64_t>(copy) * 1000003ULL + static_cast<std::uint64_t>(seriesIndex);
    return scaled(ch, 0.94 + 0.12 * unitHash(key), 0.94 + 0.12 * unitHash(key ^ 0x5bd1e995ULL));
}

std::vector<FanRecord> buildTable(const std::vector<SeriesDef>& defs, int fanCount)
{
    std::vector<FanRecord> fans;
    for (int copy = 0;; ++copy) {
        const std::size_t before = fans.size();
        for (std::size_t si = 0; si < defs.size(); ++si) {
            const SeriesDef& def = defs[si];
            const Characteristic ch = copyCharacteristic(
                scaled(characteristicOf(def.kind), def.phiScale, def.psiScale), static_cast<int>(si), copy);
            const QString name = seriesName(def, copy);
            for (const Variant& v : variantsOf(def)) {
                if (auto fan = makeFan(def, ch, name, v, copy))
                    fans.push_back(std::move(*fan));
            }
        }
        if (fanCount <= 0 || fans.size() == before)
            return fans;
        if (fans.size() >= static_cast<std::size_t>(fanCount)) {
            fans.resize(static_cast<std::size_t>(fanCount));
            return fans;
        }
    }
}

} // namespace

std::vector<FanRecord> CatalogueGenerator::generalFans(int fanCount)
{
    return buildTable(generalSeries(), fanCount);
}

std::vector<FanRecord> CatalogueGenerator::smokeFans(int fanCount)
{
    return buildTable(smokeSeries(), fanCount);
}

std::vector<GeneratedSeries> CatalogueGenerator::bundledSeries()
{
    using namespace generated;
    std::vector<GeneratedSeries> all;
    for (const auto& defs : {generalSeries(), smokeSeries()}) {
        for (const SeriesDef& def : defs) {
            all.push_back(
                {seriesName(def, 0), def.code, def.kind, def.smoke, def.electricalPower, def.points});
        }
    }
    return all;
}

} // namespace fans
