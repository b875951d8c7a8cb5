#include "fans/DutySpeedFan.h"

#include "common/NumberText.h"
#include "fans/FanLaws.h"

namespace fans {

ListedFan listedAtDutySpeed(
    const SpeedControlledFan& fan, const SpeedControlledOutcome& outcome, FanGroup group)
{
    const double flow = outcome.flow;
    ListedFan listed;
    listed.record = *fan.record;
    listed.speedRatio = fan.speedRatio;
    FoundFan& found = listed.found;
    found.curve = scaledToSpeed(fan.curve, fan.speedRatio);
    found.operatingFlow = flow;
    found.operatingPressure = outcome.k * flow * flow; // on the system curve, as the chart marks it
    found.powerAtOperating = fan.power;
    if (found.curve.hasPower)
        found.powerAtMaxFlow = found.curve.w[found.curve.n - 1];
    if (group == FanGroup::Duct)
        found.airSpeed = ductAirSpeed(listed.record, flow);
    return listed;
}

namespace {

QString shareText(double speedRatio, QChar decimalSeparator)
{
    return QString::number(speedRatio * 100, 'f', 1).replace(QLatin1Char('.'), decimalSeparator) + u'%';
}

} // namespace

QString dutySpeedText(const FanRecord& record, double speedRatio, QChar decimalSeparator)
{
    const QString share = shareText(speedRatio, decimalSeparator);
    if (record.n <= 0)
        return share + QStringLiteral(" от номин.");
    return integerText(record.n * speedRatio) + QStringLiteral(" (") + share + QStringLiteral(" от ")
        + QString::number(record.n) + u')';
}

QString dutySpeedCaption(const ListedFan& fan, QChar decimalSeparator)
{
    if (!fan.speedRatio)
        return QString();
    const double r = *fan.speedRatio;
    if (fan.record.n <= 0)
        return QStringLiteral("  при ") + shareText(r, decimalSeparator)
            + QStringLiteral(" от номин. частоты");
    return QStringLiteral("  при n = ") + integerText(fan.record.n * r) + QStringLiteral(" об/мин (")
        + shareText(r, decimalSeparator) + QStringLiteral(" от ") + QString::number(fan.record.n) + u')';
}

} // namespace fans
