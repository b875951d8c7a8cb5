#include "calcreport/MethodRange.h"

#include "common/FiniteResult.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace calcreport {

QString notComputable(const QString& what)
{
    return u"Расчет невозможен: "_s + what + u" Проверьте исходные данные."_s;
}

QString wholeRangeMessage(const QString& quantity, int low, int high)
{
    return quantity + u" должно быть от "_s + QString::number(low) + u" до "_s + QString::number(high)
        + u"."_s;
}

QString belowAbsoluteZeroMessage()
{
    return u"Температура наружного воздуха должна быть выше -273 °C."_s;
}

std::optional<QString> undefinedQuantity(std::initializer_list<NamedQuantity> quantities)
{
    for (const NamedQuantity& q : quantities) {
        if (!isFiniteResult(q.value))
            return QString::fromUtf16(q.symbol);
    }
    return std::nullopt;
}

QString undefinedQuantityMessage(const QString& symbol)
{
    return notComputable(u"величина "_s + symbol + u" не определена для заданных значений."_s);
}

namespace {

// A duty in whole units: the message needs no decimal mark, and no "-0".
QString wholeText(double value)
{
    const double rounded = std::round(value);
    return QString::number(rounded == 0 ? 0.0 : rounded, 'f', 0);
}

QString notPositive(const QString& quantity, const QString& value, const QString& cause)
{
    QString text = quantity + u" получается равным нулю или меньше нуля ("_s + value + u")."_s;
    if (!cause.isEmpty())
        text += u" "_s + cause;
    return text + u" Исходные данные вне области применения методики расчета."_s;
}

} // namespace

std::optional<QString> dutyRefusal(const FanDuty& duty)
{
    if (!(duty.flow > 0))
        return notPositive(u"Расход "_s + duty.fan, wholeText(duty.flow) + u" м3/ч"_s, duty.flowCause);
    if (!(duty.pressure > 0))
        return notPositive(
            u"Давление "_s + duty.fan, wholeText(duty.pressure) + u" Па"_s, duty.pressureCause);
    return std::nullopt;
}

} // namespace calcreport
