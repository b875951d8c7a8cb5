#include "fans/FoundFanRow.h"

#include "common/NumberText.h"
#include "fans/DutySpeedFan.h"
#include "fans/FanDesignation.h"

namespace fans {
namespace {

constexpr int columnTextLength = 20;

QString powerText(const std::optional<double>& power, const QString& suffix, QChar decimalSeparator)
{
    return power ? generalText4(*power, decimalSeparator) + suffix : QString();
}

} // namespace

QString ductSizeCell(const FanRecord& fan, FanGroup group)
{
    if (group != FanGroup::Duct)
        return QStringLiteral("*");
    if (fan.krugl)
        return QStringLiteral("диам.") + QString::number(fan.a);
    return ductSizeText(fan);
}

namespace {

// The row of a fan whose record is `fan`: a fan of a run, or one kept as values.
QStringList rowOf(
    const FanRecord& fan, const FoundFan& found, FanGroup group, int number, QChar decimalSeparator)
{
    const QString name = generalDesignation(fan);
    const QString suffix = powerSuffix(name);
    return {
        QString::number(number),
        name,
        integerText(found.operatingFlow),
        integerText(found.operatingPressure),
        fan.autoName ? QString::number(fan.d) : QString(),
        QString::number(fan.n),
        ductSizeCell(fan, group),
        powerText(found.powerAtOperating, suffix, decimalSeparator),
        QString::number(fan.polus),
        fan.fazkol ? QStringLiteral("3") : QStringLiteral("1"),
        powerText(found.powerAtMaxFlow, suffix, decimalSeparator),
        storedRealText(fan.lpaInput, decimalSeparator),
        storedRealText(fan.lpaOutput, decimalSeparator),
        storedRealText(fan.lpaArround, decimalSeparator),
        found.airSpeed ? generalText4(*found.airSpeed, decimalSeparator) : QString(),
        QString(),
        fan.autoName ? QString() : fan.manualName.left(columnTextLength),
        fan.ny.left(columnTextLength),
        integerText(fan.massa),
    };
}

} // namespace

QString storedRealText(double value, QChar decimalSeparator)
{
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('.'), decimalSeparator);
    return text.left(columnTextLength);
}

QString powerSuffix(const QString& designation)
{
    return seriesPrefix(designation) == QStringLiteral("ДЮНА") ? QStringLiteral(" (электрич.)")
                                                               : QStringLiteral(" (на валу)");
}

QStringList foundFanRow(const FoundFan& found, FanGroup group, int number, QChar decimalSeparator)
{
    return rowOf(*found.record, found, group, number, decimalSeparator);
}

QStringList foundFanRow(const ListedFan& listed, FanGroup group, int number, QChar decimalSeparator)
{
    QStringList row = rowOf(listed.record, listed.found, group, number, decimalSeparator);
    // A fan slowed down to its duty names the speed it runs at beside the catalogue's.
    if (listed.speedRatio)
        row[5] = dutySpeedText(listed.record, *listed.speedRatio, decimalSeparator);
    return row;
}

QStringList foundFanHeaderRow(int row)
{
    if (row == 0)
        return {QString(), QStringLiteral("Наименование"), QStringLiteral("Ист. Расход"),
            QStringLiteral("Ист. Давление"), QStringLiteral("Диаметр"), QStringLiteral(" Частота  "),
            QStringLiteral("Размер сечения канала"), QStringLiteral("Мощность при раб."),
            QStringLiteral("Колич."), QStringLiteral("Колич."), QStringLiteral("Мощность при наиб."),
            QStringLiteral("Шум, dB(A)"), QStringLiteral("Шум, dB(A)"), QStringLiteral("Шум, dB(A)"),
            QStringLiteral("Скорость воздуха"), QString(), QStringLiteral("Код"),
            QStringLiteral("Мощность уст."), QStringLiteral("Масса")};
    return {QString(), QString(), QStringLiteral("Qи (м3/час)"), QStringLiteral("   Pи (Па)   "),
        QStringLiteral("D (мм)"), QStringLiteral("n (об/мин)"), QStringLiteral("[А*В] / (диаметр), (мм)"),
        QStringLiteral("режиме, N кВт"), QStringLiteral("полюсов"), QStringLiteral("фаз"),
        QStringLiteral("расходе (установочная)"), QStringLiteral("к Входу"), QStringLiteral(" к Выходу "),
        QStringLiteral("через стенки"), QStringLiteral(" в канале, (м/с)"), QString(), QString(),
        QStringLiteral("  Nу, кВт"), QStringLiteral("  кг")};
}

} // namespace fans
