#include "heating/HeatingUnitTable.h"

#include "common/NumberText.h"

using namespace Qt::StringLiterals;

namespace heating {

namespace {

const std::array<QString, heatingTableRows>& rowTitles()
{
    static const std::array<QString, heatingTableRows> titles = {
        QString(),
        u"Расчетная температура наружного воздуха, °С"_s,
        u"Расчетная температура внутреннего воздуха, °С"_s,
        u"Температура горячей воды на входе, °С"_s,
        u"Температура горячей воды на выходе, °С"_s,
        u"Начальный угол отклонения струи, град."_s,
        u"Необходимая мощность для нагрева, кВт"_s,
        u"Тип здания"_s,
        u"Внешний объем здания, м3"_s,
        u"Суммарная мощность теплопритока, кВт"_s,
        u"Тепловая мощность агрегата, кВт"_s,
        u"Количество агрегатов, шт"_s,
        u"Расход воды через один агрегат, кг/час"_s,
        u"Гидравлическое сопротивление воздухонагревателя, кПа"_s,
        u"Минимальная установочная высота Hmin, м"_s,
        u"Максимальная граница струи Xmax, м"_s,
        u"Минимальная граница струи Xmin, м"_s,
        u"Ориентировочная площадь, охватываемая струей F, м2"_s,
        u"Расход воздуха, м3/ч"_s,
        u"Мощность электродвигателя, кВт"_s,
        u"Размер (ширина*высота*глубина), мм"_s,
        u"Сечение теплообменника"_s,
        u"Электропитание"_s,
        u"Звуковая мощность, дБ"_s,
        QString(),
    };
    return titles;
}

QString generalText10(double value, QChar decimalSeparator)
{
    QString text = QString::number(value, 'g', 10);
    text.replace(QLatin1Char('.'), decimalSeparator);
    return text;
}

} // namespace

HeatingUnitTable heatingUnitTable(const HeatingUnitInputs& in, const HeatingUnitRun& run, QChar sep)
{
    HeatingUnitTable table;
    for (int row = 0; row < heatingTableRows; ++row)
        table[row][0] = rowTitles()[row];

    const bool given = in.mode == DemandMode::Given;
    const auto number = [sep](double value) { return generalText4(value, sep); };
    const auto optionalNumber = [&](const std::optional<double>& value) {
        return value ? number(*value) : notComputedText.toString();
    };
    const auto& models = heatingUnitModels();
    for (std::size_t i = 0; i < models.size(); ++i) {
        const HeatingUnitModel& m = models[i];
        const HeatingUnitResult& r = run.models[i];
        const std::array<QString, heatingTableRows> column = {
            u"ЛУМА "_s + m.name,
            number(in.tn),
            number(in.tv),
            number(in.tw1),
            number(in.tw2),
            number(jetAngles[static_cast<std::size_t>(in.angleItem)]),
            number(run.demand),
            u"Тип "_s + QString::number(in.buildingType + 1),
            given ? u"0"_s : generalText10(in.volume, sep),
            given ? u"0"_s : number(in.gains),
            number(r.output),
            QString::number(r.units),
            number(r.waterFlow),
            number(r.waterLoss),
            number(r.hmin),
            optionalNumber(r.xmax),
            optionalNumber(r.xmin),
            number(r.area),
            number(m.airFlow),
            number(m.motorPower),
            m.size,
            m.section,
            m.supply,
            number(m.soundPower),
            QString(),
        };
        for (int row = 0; row < heatingTableRows; ++row)
            table[row][i + 1] = column[row];
    }
    return table;
}

} // namespace heating
