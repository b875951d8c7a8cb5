#include "curtains/CurtainTable.h"

#include "common/NumberText.h"

#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;

namespace curtains {

namespace {

bool twoUnits(const CurtainInputs& in)
{
    return in.side && !in.onePost;
}

QString temperatureText(double t)
{
    return integerText(t) + u" °C"_s;
}

// One decimal of a flow: x·10 rounded, /10.
QString tenthsText(double value, QChar sep)
{
    return shortestText(roundHalfEven(value * 10.0) / 10.0, sep);
}

QString dashIfEmpty(const std::optional<double>& value, const std::function<QString(double)>& text)
{
    return value ? text(*value) : u" - "_s;
}

} // namespace

QString curtainPlacementText(const CurtainInputs& in)
{
    if (!in.side)
        return u" Верхняя"_s;
    return in.onePost ? u"Боковая одностоечная"_s : u"Боковая двухстоечная"_s;
}

std::vector<TextLine> curtainResultRows(const CurtainRun& run, QChar sep)
{
    const CurtainInputs& in = run.inputs;
    const auto g4 = [sep](double value) { return generalText4(value, sep); };
    const QString endTemperature = temperatureText(run.jet.endTemperature);
    const QString velocity = g4(run.jet.outletVelocity) + u" м/с"_s;
    const QString meanVelocity = g4(run.jet.meanVelocity()) + u" м/с"_s;
    const QString loss = g4(run.balance.gateLoss) + u" кВт"_s;
    const QString efficiency = run.balance.efficiency ? g4(*run.balance.efficiency) + u" %"_s : QString();
    const QString sound = run.soundPressure ? g4(*run.soundPressure) + u" дБА"_s : QString();

    if (in.series == Series::Pln) {
        const double flow = roundHalfEven(run.choice.flow / 10.0) * 10.0;
        return {
            {u"Наименование завесы:"_s, run.designation},
            {twoUnits(in) ? u"Состав блоков одной стойки:"_s : u"Состав блоков:"_s, run.composition},
            {u"Тип завесы:"_s, curtainPlacementText(in)},
            {u"Средняя температура струи в конце пути:"_s, endTemperature},
            {u"Расход воздуха завесы, Gз:"_s, integerText(flow) + u" м3/час"_s},
            {u"Скорость струи, на выходе из щели U:"_s, velocity},
            {u"Средняя скорость струи в конце пути, Vср:"_s, meanVelocity},
            {u"Теплопотери через проем без завесы, Qпр:"_s, loss},
            {u"Эффективность завесы:"_s, efficiency},
            {u"Суммарное звуковое давление, Lp:"_s, sound},
        };
    }
    std::vector<TextLine> rows = {
        {u"Наименование завесы:"_s, run.designation},
        {u"Тип завесы:"_s, curtainPlacementText(in)},
        {u"Средняя температура струи в конце пути:"_s, endTemperature},
        {u"Расход воздуха завесы, Gз:"_s,
            (twoUnits(in) ? u"2*"_s : QString()) + integerText(run.choice.flow) + u" м3/час"_s},
        {u"Скорость струи, на выходе из щели U:"_s, velocity},
        {u"Средняя скорость струи в конце пути, Vср:"_s, meanVelocity},
        {u"Теплопотери через проем без завесы, Qпр:"_s, loss},
        {u"Эффективность завесы:"_s, efficiency},
    };
    if (in.series == Series::Tem)
        rows.push_back({u"Суммарное звуковое давление, Lp:"_s, sound});
    return rows;
}

HeaterTexts curtainHeaterTexts(const CurtainRun& run, QChar sep)
{
    const QString two = twoUnits(run.inputs) ? u"2*"_s : QString();
    HeaterTexts texts {u" - "_s, u" - "_s, u" - "_s};
    if (!run.heater)
        return texts;
    const CurtainHeater& h = *run.heater;
    switch (run.inputs.heater) {
    case HeaterKind::Water:
        texts.output = two + hundredthsText(h.output, sep) + u" кВт"_s;
        texts.waterFlow = two + tenthsText(h.waterFlow.value_or(0), sep) + u" кг/час"_s;
        texts.waterLoss = dashIfEmpty(
            h.waterLoss, [sep](double v) -> QString { return shortestText(v, sep) + u" кПа"_s; });
        break;
    case HeaterKind::Steam:
        texts.output = two + hundredthsText(h.output, sep) + u" кВт"_s;
        texts.waterFlow = two + tenthsText(h.waterFlow.value_or(0), sep) + u" кг/час"_s;
        texts.waterLoss.clear();
        break;
    case HeaterKind::Electric:
        texts.output = two + shortestText(h.power.value_or(0), sep) + u" кВт"_s;
        break;
    case HeaterKind::None:
        break;
    }
    return texts;
}

std::vector<TextLine> curtainReportLines(const CurtainRun& run, const QString& projectName, QChar sep)
{
    const CurtainInputs& in = run.inputs;
    const std::vector<TextLine> rows = curtainResultRows(run, sep);
    const auto g4 = [sep](double value) { return generalText4(value, sep); };
    const bool steam = in.heater == HeaterKind::Steam;
    const bool tem = in.series == Series::Tem;
    const int n = run.choice.blockCount;
    // Two units of a two-post curtain, and n blocks of ТЕМ.
    const QString units
        = (twoUnits(in) ? u"2*"_s : QString()) + (tem && n >= 2 ? QString::number(n) + u"*"_s : QString());
    const auto record = [&](double CurtainModelRecord::*field) {
        return run.record ? shortestText(run.record.value().*field, sep) : QString();
    };
    QString noise = record(&CurtainModelRecord::noise);
    if (tem && n >= 2 && run.record)
        noise = g4(run.record->noise + 10.0 * std::log10(n));
    const bool waterOrSteam = in.heater == HeaterKind::Water || steam;
    const HeaterTexts heater = curtainHeaterTexts(run, sep);

    std::vector<TextLine> lines = {
        {u"Наименование завесы:"_s, rows[0].value},
        {u"Тип завесы:"_s, rows[1].value},
        {u"Тип здания (обустройство аэрационных проемов):"_s, buildingTypeText(in.buildingType)},
        {u"Ширина воротного проема, B:"_s, g4(in.B) + u" м"_s},
        {u"Высота воротного проема, H:"_s, g4(in.H) + u" м"_s},
        {u"Температура воздуха внутри помещения, tв:"_s, temperatureText(in.tv)},
        {u"Температура наружного воздуха, tн:"_s, temperatureText(in.tn)},
        {u"Повышение температуры воздуха в завесе, tз:"_s, temperatureText(run.design.dt)},
        {u"Средняя температура струи в конце пути, tс:"_s, rows[2].value},
        {u"Индекс завесы:"_s, run.choice.index},
        {u"Скорость ветра, v:"_s, g4(in.v) + u" м/сек"_s},
        {u"Угол между напр-ием струи на выходе из щели и плоск-тью ворот:"_s, u"15 градусов"_s},
        {steam ? u"Температура пара на входе/выходе:"_s : u"Температура воды на входе/выходе:"_s,
            waterOrSteam ? integerText(run.design.tw1) + u"/"_s + integerText(run.design.tw2) + u" °C"_s
                         : u"-"_s},
        {u"Расход воздуха завесы, Q:"_s, rows[3].value},
        {u"Начальная скорость струи, U:"_s, rows[4].value},
        {u"Средняя скорость струи в конце пути, Vср:"_s, rows[5].value},
        {u"Размер сечения воздухораспределителя, А*В:"_s,
            run.record ? run.record->section + u" мм"_s : QString()},
        {u"Расход воздуха (не менее):"_s, units + record(&CurtainModelRecord::flow) + u" м3/час"_s},
        {u"Мощность электродвигателя:"_s, units + record(&CurtainModelRecord::motorPower) + u" кВт"_s},
        {u"Тепловая мощность воздухонагревателя:"_s, heater.output},
        {u"Уровень шума:"_s, noise + u" дБА"_s},
        {u"Электропитание:"_s, u"3х380 В"_s},
        {steam ? u"Наибольший расход пара воздухонагревателем:"_s
               : u"Наибольший расход воды воздухонагревателем:"_s,
            heater.waterFlow},
        {steam ? QString() : u"Падение давления воды в воздухонагревателе при наибольшем расходе воды:"_s,
            heater.waterLoss},
        {QString(), QString()}, // the price line stays empty
        {u"Наименование проекта:"_s, projectName.trimmed()},
    };
    if (tem) {
        lines.push_back({QString(), QString()}); // "Итого:", emptied
        lines.push_back({u"Суммарное звуковое давление, Lp: "_s + rows[8].value, QString()});
    }
    return lines;
}

std::vector<TextLine> plnReportLines(const CurtainRun& run, const QString& projectName, QChar sep)
{
    const CurtainInputs& in = run.inputs;
    const std::vector<TextLine> rows = curtainResultRows(run, sep);
    const auto g4 = [sep](double value) { return generalText4(value, sep); };
    return {
        {u"Наименование завесы:"_s, rows[0].value},
        {u"Тип завесы:"_s, rows[2].value},
        {u"Тип здания (обустройство аэрационных проемов):"_s, buildingTypeText(in.buildingType)},
        {u"Ширина воротного проема, B:"_s, g4(in.B) + u" м"_s},
        {u"Высота воротного проема, H:"_s, g4(in.H) + u" м"_s},
        {u"Температура воздуха внутри помещения, tв:"_s, temperatureText(in.tv)},
        {u"Температура наружного воздуха, tн:"_s, temperatureText(in.tn)},
        {u"Средняя температура струи в конце пути, tс:"_s, rows[3].value},
        {u"Скорость ветра, v:"_s, g4(in.v) + u" м/сек"_s},
        {u"Угол между напр-ием струи на выходе из щели и плоск-тью ворот:"_s, u"15 градусов"_s},
        {u"Расход воздуха завесы, Q:"_s, rows[4].value},
        {u"Начальная скорость струи, U:"_s, rows[5].value},
        {u"Средняя скорость струи в конце пути, Vср:"_s, rows[6].value},
        {rows[1].caption, rows[1].value},
        {u"Суммарное звуковое давление, Lp: "_s + rows[9].value, QString()},
        {u"Наименование проекта:"_s, projectName.trimmed()},
    };
}

std::vector<QString> plnBlockCaptions(const CurtainRun& run)
{
    std::vector<QString> captions
        = {u"Характеристики\\Типоразмер завесы"_s, u"Размер сечения воздухораспределителя, мм:"_s,
            u"Длина воздухораспределителя, мм:"_s, u"Расход воздуха (не менее), м3/час:"_s,
            u"Мощность электродвигателя, кВт:"_s, u"Звуковое давление, дБА:"_s, u"Масса, кг:"_s,
            u"Цена с НДС, руб.:"_s, QString(), QString(), QString()};
    if (run.inputs.heater == HeaterKind::Electric) {
        captions[8] = u"Мощность электронагревателя, кВт:"_s;
    } else if (run.inputs.heater == HeaterKind::Water) {
        captions[8] = u"Мощность воздухонагревателя при температурах воды/воздуха 95/20, кВт:"_s;
        captions[9] = u"Наибольший расход воды воздухонагревателя, кг/час:"_s;
        captions[10] = u"Падение давления воды в воздухонагревателе при наиб. расходе, кПа:"_s;
    }
    return captions;
}

std::vector<PlnBlockColumn> plnBlockColumns(const CurtainRun& run, QChar sep)
{
    std::vector<PlnBlockColumn> columns;
    const auto n = [sep](double value) { return shortestText(value, sep); };
    for (const std::optional<PlnBlockRecord>* block : {&run.blockA, &run.blockB}) {
        if (!*block)
            continue;
        const PlnBlockRecord& r = **block;
        PlnBlockColumn column;
        column.cells = {r.name, r.section, n(r.length), n(r.flow), n(r.motorPower), n(r.noise), n(r.mass),
            QString(), QString(), QString(), QString()};
        if (run.inputs.heater == HeaterKind::Electric) {
            column.cells[8] = n(r.heaterPower);
        } else if (run.inputs.heater == HeaterKind::Water) {
            column.cells[8] = n(r.heaterPower);
            column.cells[9] = n(r.waterFlow);
            column.cells[10] = n(r.waterLoss);
        }
        columns.push_back(column);
    }
    return columns;
}

} // namespace curtains
