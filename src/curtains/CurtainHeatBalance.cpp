#include "curtains/CurtainHeatBalance.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;

namespace curtains {

namespace {

constexpr double degree = std::numbers::pi / 180.0;

// Heat carried by the outdoor air that breaks through the jet when λ < 0, kW.
double breakThroughLoss(const HeatBalanceInputs& in, double lambda, double t, double qr)
{
    const double tx = t / 0.62 - 0.3 * (in.tv - in.tn);
    const double step = std::abs(lambda) / 100.0;
    double s1 = 0;
    double s2 = 0;
    for (int k = 0; k <= 100; ++k) {
        const double z = k * step;
        double tz = 0;
        double wz = 0;
        if (z <= 0.5) {
            tz = std::pow(2 * z, 1.5) * (tx - in.tn) + in.tn;
            wz = std::pow(1 - std::pow(1 - 2 * z, 1.5), 2);
        } else {
            tz = z > 1 ? in.tv : std::pow(2 * (1 - z), 1.5) * (tx - in.tv) + in.tv;
            wz = std::pow(1 - std::pow(2 * z - 1, 1.5), 2);
        }
        const double d = wz / 100.0 / 0.45;
        s1 += d;
        s2 += d * tz;
    }
    const double tmean = s2 / s1;
    const double perQr = in.flow / (3000.0 * qr);
    const double core = (1 - qr) / 2.0;
    if (core >= s1)
        return (tmean - in.tn) * s1 * perQr;
    return ((s1 - core) * (in.tv - in.tn) + (tmean - in.tn) * s1) * perQr;
}

} // namespace

QString noEfficiencyMessage()
{
    return u"Наружный воздух прорывает струю завесы: при таких исходных данных эффективность завесы не "
           u"определяется. Уточните исходные данные или выберите другую завесу."_s;
}

HeatBalance curtainHeatBalance(const HeatBalanceInputs& in)
{
    HeatBalance balance;
    const double t = in.endTemperature;
    const double tm = (in.tn + in.tv) / 2.0;
    const double widthMm = 1000.0 * in.slot;
    const double theta = 90.0 * degree - in.direction;
    const double qr = (t - tm) / (in.tv + in.dt - tm);
    const double reach = std::max(widthMm / (280.0 * qr * qr), in.side ? in.B : in.H);
    const double T = 3.55 * in.gateVelocity * in.gateVelocity * (351.6 / (273.0 + in.tv))
        / (in.outletVelocity * in.outletVelocity * qr * qr * (1.2 / 293.0) * (273.0 + in.tv + in.dt));
    const double psi = std::atan(T);
    balance.lambda = reach * std::tan(psi - theta - 12.4 * degree) / (0.44 * reach + 0.001 * widthMm);
    const double q1 = (in.tv - t) * in.flow / (3000.0 * qr)
        + 1.2 * 0.44 * balance.lambda * in.B * in.H * in.gateVelocity * (in.tv - in.tn);
    const double qHeater = in.flow * in.dt / 3000.0;
    const double q2 = balance.lambda < 0 ? breakThroughLoss(in, balance.lambda, t, qr) : 0.0;
    balance.gateLoss = 1.2 * in.B * in.H * in.gateVelocity * (in.tv - in.tn);
    const double e = (balance.gateLoss - (q2 + q1 + qHeater)) / balance.gateLoss * 100.0;
    // Where the outdoor air breaks through, the balance holds only while the saving stays a share of the
    // loss; outside 0..100 % it is no efficiency.
    const bool sensible = std::isfinite(e) && (balance.lambda >= 0 || (e >= 0 && e <= 100));
    if (sensible)
        balance.efficiency = e;
    return balance;
}

} // namespace curtains
