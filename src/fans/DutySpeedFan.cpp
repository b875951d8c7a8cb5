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
    return fixedText(speedRatio * 100, 1, decimalSeparator) + u'%';
}

// The speed at r of the catalogue speed with the share beside it, "1120<unit> (80,0% от 1400)", for a
// record that gives its speed.
QString speedWithShare(
    const FanRecord& record, double speedRatio, QChar decimalSeparator, const QString& unit)
{
    return integerText(record.n * speedRatio) + unit + QStringLiteral(" (")
        + shareText(speedRatio, decimalSeparator) + QStringLiteral(" от ") + QString::number(record.n) + u')';
}

} // namespace

QString dutySpeedText(const FanRecord& record, double speedRatio, QChar decimalSeparator)
{
    if (record.n <= 0)
        return shareText(speedRatio, decimalSeparator) + QStringLiteral(" от номин.");
    return speedWithShare(record, speedRatio, decimalSeparator, QString());
}

QString dutySpeedCaption(const ListedFan& fan, QChar decimalSeparator)
{
    if (!fan.speedRatio)
        return QString();
    const double r = *fan.speedRatio;
    if (fan.record.n <= 0)
        return QStringLiteral("  при ") + shareText(r, decimalSeparator)
            + QStringLiteral(" от номин. частоты");
    return QStringLiteral("  при n = ")
        + speedWithShare(fan.record, r, decimalSeparator, QStringLiteral(" об/мин"));
}

} // namespace fans
