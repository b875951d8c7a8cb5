#include "unit/UnitGridTexts.h"

#include "calcreport/ReportNumbers.h"
#include "common/NumberText.h"

using namespace Qt::StringLiterals;

namespace unit {

QString sectionSpeedText(double speed, QChar decimalSeparator)
{
    return generalText4(speed, decimalSeparator) + u" м/c"_s;
}

QStringList heaterRowTitles()
{
    return {u"Выберите модель теплообменника"_s, u"Расход воздуха (заданный), Qв, м3/час:"_s,
        u"Расход воды (расчетный), Gж, кг/час:"_s, u"Температура воздуха на выходе (расчетная), °C:"_s,
        u"Температура горячей воды на выходе (расчетная), °C:"_s, u"Сопротивление воздуху, Па:"_s,
        u"Сопротивление воде, кПа:"_s, u"Тепловая мощность, кВт:"_s, u"Подобранная модель теплообменника:"_s,
        u"Размер сечения канала A*B, мм:"_s, QString()};
}

QStringList heaterColumnTexts(
    const THeaterVariant& v, double flow, const QString& sectionText, QChar decimalSeparator)
{
    const auto g = [decimalSeparator](double value, int digits) {
        return calcreport::generalText(value, digits, decimalSeparator);
    };
    // Water rows are written only for a value above 0, so an electric heater leaves them empty.
    const auto ifPositive = [](double value, const QString& text) { return value > 0 ? text : QString(); };
    const QString head = u" > "_s + v.tip + u" <"_s + QString(14, u' ');
    return {head.left(10), g(flow, 5) + u" м3/час"_s,
        ifPositive(v.waterFlow, g(v.waterFlow, 5) + u" кг/час"_s), g(v.airOutlet, 4),
        ifPositive(v.waterOutlet, g(v.waterOutlet, 4)), g(v.airLoss, 4) + u" Па"_s,
        ifPositive(v.waterLoss, g(v.waterLoss, 4) + u" кПа"_s), g(v.heatOutput, 4) + u" кВт"_s, v.model,
        sectionText, QString()};
}

std::vector<std::pair<QString, QString>> coolerGridRows(const CoolerResult& c, QChar decimalSeparator)
{
    const auto g4 = [decimalSeparator](double value) { return generalText4(value, decimalSeparator); };
    std::vector<std::pair<QString, QString>> rows {{u"Модель"_s, c.model},
        {u"Сопротивление"_s, g4(c.airLoss) + u" Па"_s}, {u"Тепловая мощность"_s, g4(c.total) + u" кВт"_s}, {},
        {u"Модель ККБ"_s, c.condensingUnit}, {}, {}, {}};
    if (c.waterFlow && c.waterLoss) {
        rows[6] = {u"Расход воды"_s, g4(*c.waterFlow) + u" л/час"_s};
        // The first letter of the title is the Latin C.
        rows[7] = {u"Cопрот. воде"_s, g4(*c.waterLoss) + u" кПа"_s};
    }
    return rows;
}

QString lengthTotalText(double millimetres)
{
    return integerText(millimetres) + u" мм"_s;
}

QString pressureTotalText(double pascals)
{
    return integerText(pascals) + u" Па"_s;
}

QString inputPageCaption(UnitKind kind)
{
    switch (kind) {
    case UnitKind::HeaterAndCooler:
        return u"С нагревателем и охладителем"_s;
    case UnitKind::Heater:
        return u"С нагревателем"_s;
    case UnitKind::Cooler:
        return u"С охладителем"_s;
    case UnitKind::Plain:
        break;
    }
    return {};
}

QString kindTotalsLabel(UnitKind kind)
{
    switch (kind) {
    case UnitKind::HeaterAndCooler:
        return u"(с нагр. и охл.):"_s;
    case UnitKind::Heater:
        return u"(с нагревателем):"_s;
    case UnitKind::Cooler:
        return u"(с охладителем):"_s;
    case UnitKind::Plain:
        break;
    }
    return {};
}

} // namespace unit
