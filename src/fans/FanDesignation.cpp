#include "fans/FanDesignation.h"

#include "common/NumberText.h"

namespace fans {

QString cutName(const QString& name)
{
    return name.left(nameLength);
}

QString seriesPrefix(const QString& name)
{
    const qsizetype blank = name.indexOf(QLatin1Char(' '));
    return blank < 0 ? name : name.left(blank);
}

QString designationBeforeCut(const FanRecord& fan, CatalogueKind kind)
{
    const QString prefix = seriesPrefix(fan.name) + QLatin1Char(' ');
    if (kind == CatalogueKind::Smoke)
        return prefix + decimalComma(fan.d / 100.0) + QStringLiteral("ДУ-") + QString::number(fan.polus);
    if (!fan.autoName)
        return prefix + fan.manualName;
    return prefix + decimalComma(fan.d / 100.0) + QLatin1Char('-') + QString::number(fan.polus)
        + QLatin1Char('-') + (fan.fazkol ? QLatin1Char('3') : QLatin1Char('1'));
}

QString generalDesignation(const FanRecord& fan)
{
    return designation(fan, CatalogueKind::General);
}

QString smokeDesignation(const FanRecord& fan)
{
    return designation(fan, CatalogueKind::Smoke);
}

QString designation(const FanRecord& fan, CatalogueKind kind)
{
    return cutName(designationBeforeCut(fan, kind));
}

QString ductSizeText(bool krugl, int a, int b)
{
    return krugl ? QString::number(a) : QString::number(a) + QLatin1Char('*') + QString::number(b);
}

} // namespace fans
