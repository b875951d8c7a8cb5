#include "unit/UnitForm.h"

#include "unit/UnitMessages.h"

#include <limits>

using namespace Qt::StringLiterals;

namespace unit {

namespace {

using P = UnitProject;
using I = UnitInputs;

// The step of reading at which each refusal of unitInputProblem() is checked: a check waits for its box.
UnitField checkedAt(UnitField field)
{
    return field == UnitField::WaterIn ? UnitField::WaterOut : field;
}

struct NumberBox {
    UnitField field;
    const QString* text;
    double* target;
};

} // namespace

int focusOf(UnitField field)
{
    return int(field) + 1;
}

QString unitSettingsKey()
{
    return u"ChildwinPritoch"_s;
}

QString coolerSeriesSettingsName()
{
    return u"RG_Tip_oxl"_s;
}

const UnitFormInputs& unitFormInputs()
{
    const auto number = [](const QString& control, const QString& label, const QString& unit,
                            const QString& defaultText, double step, QString P::*text, UnitField field) {
        return FormInput<P, I> {.control = control,
            .label = label,
            .unit = unit,
            .defaultText = defaultText,
            .step = step,
            .settingsKey = text ? control : QString(),
            .text = text,
            .focusField = focusOf(field)};
    };
    static const UnitFormInputs inputs = [&] {
        UnitFormInputs list {
            {.kind = InputKind::Text,
                .control = u"Input_ProjectName"_s,
                .label = u"Наименование проекта:"_s,
                .text = &P::projectName},
            // The stored values are read in this order.
            number(u"Input_Gv"_s, u"Расход воздуха, G:"_s, u"м3/час"_s, u"3500"_s, 100, &P::flow,
                UnitField::Flow),
            number(u"Input_Psvob"_s, u"Свободное давление, Pсв:"_s, u"Па"_s, u"0"_s, 50, &P::freePressure,
                UnitField::FreePressure),
            number(u"Input_tv1"_s, u"Температура воздуха на входе, tв1:"_s, u"°C"_s, u"-26"_s, 1, &P::airIn,
                UnitField::AirIn),
            number(u"Input_tv2"_s, u"Температура воздуха на выходе, tв2:"_s, u"°C"_s, u"21"_s, 1, &P::airOut,
                UnitField::AirOut),
            number(u"Input_Vmax"_s, u"Максимальная скорость воздуха, Vmax:"_s, u"м/с"_s, u"4"_s, 1,
                &P::maxSpeed, UnitField::MaxSpeed),
            number(u"Input_tj1"_s, u"Температура воды на входе, tж1:"_s, u"°C"_s, u"80"_s, 5, &P::waterIn,
                UnitField::WaterIn),
            number(u"Input_tj2"_s, u"Температура воды на выходе, tж2:"_s, u"°C"_s, u"40"_s, 5, &P::waterOut,
                UnitField::WaterOut),
            number(u"Input_Gv_oxl"_s, u"Расход воздуха, G:"_s, u"м3/час"_s, u"3500"_s, 100, &P::coolerFlow,
                UnitField::CoolerFlow),
            number(u"Input_tv1_oxl"_s, u"Температура воздуха на входе, tв1:"_s, u"°C"_s, u"35"_s, 1,
                &P::coolerAirIn, UnitField::CoolerAirIn),
            number(u"Input_tv2_oxl"_s, u"Температура воздуха на выходе, tв2:"_s, u"°C"_s, u"18"_s, 1,
                &P::coolerAirOut, UnitField::CoolerAirOut),
            number(u"Input_VL"_s, u"Относительная влажность воздуха, φ:"_s, u"%"_s, u"80"_s, 1, &P::humidity,
                UnitField::Humidity),
            {.kind = InputKind::Choice,
                .control = u"RG_Tip_oxl"_s,
                .label = u" Тип охладителя: "_s,
                .items = {u"Водяной"_s, u"Фреоновый"_s},
                .columns = 2,
                .defaultIndex = int(CoolerSeries::Freon),
                .index = &P::coolerSeries},
            number(u"Input_Gv_without"_s, u"Расход воздуха, G:"_s, u"м3/час"_s, u"3500"_s, 100, nullptr,
                UnitField::PlainFlow),
            number(u"Input_Psvob_without"_s, u"Свободное давление, Pсв:"_s, u"Па"_s, u"0"_s, 50, nullptr,
                UnitField::PlainFreePressure),
            number(u"InputVmax_without"_s, u"Максимальная скорость воздуха, Vmax:"_s, u"м/с"_s, u"4"_s, 1,
                nullptr, UnitField::PlainMaxSpeed),
        };
        // The humidity is stored under a name of its own.
        for (auto& in : list) {
            if (in.control == u"Input_VL"_s)
                in.settingsKey = u"Input_vl"_s;
        }
        return list;
    }();
    return inputs;
}

UnitPageRead readUnitPage(const UnitProject& p, UnitKind kind, bool anyHeaterType, QChar decimalSeparator)
{
    UnitInputs in;
    in.kind = kind;
    std::vector<NumberBox> boxes {{UnitField::FreePressure, &p.freePressure, &in.freePressure},
        {UnitField::MaxSpeed, &p.maxSpeed, &in.heater.maxSpeed}};
    if (hasHeater(kind) || kind == UnitKind::Plain)
        boxes.push_back({UnitField::Flow, &p.flow, &in.heater.flow});
    if (hasHeater(kind)) {
        boxes.insert(boxes.end(),
            {{UnitField::AirIn, &p.airIn, &in.heater.airIn},
                {UnitField::AirOut, &p.airOut, &in.heater.airOut},
                {UnitField::WaterIn, &p.waterIn, &in.heater.waterIn},
                {UnitField::WaterOut, &p.waterOut, &in.heater.waterOut}});
    }
    if (hasCooler(kind)) {
        boxes.insert(boxes.end(),
            {{UnitField::CoolerFlow, &p.coolerFlow, &in.cooler.flow},
                {UnitField::CoolerAirIn, &p.coolerAirIn, &in.cooler.airIn},
                {UnitField::CoolerAirOut, &p.coolerAirOut, &in.cooler.airOut},
                {UnitField::Humidity, &p.humidity, &in.cooler.humidity}});
    }
    in.cooler.series = p.coolerSeries == 0 ? CoolerSeries::Water : CoolerSeries::Freon;
    std::vector<UnitField> read;
    for (const NumberBox& box : boxes) {
        const std::optional<double> value = parseNumber(*box.text, decimalSeparator);
        if (!value)
            return {std::nullopt, box.field, *box.text, std::nullopt};
        *box.target = *value;
        read.push_back(box.field);
        // Boxes not read yet hold values that pass; a check waiting for one of them is left for later.
        const std::optional<UnitInputProblem> problem = unitInputProblem(in, true);
        if (problem && std::find(read.begin(), read.end(), checkedAt(problem->field)) != read.end())
            return {std::nullopt, std::nullopt, {}, problem};
    }
    if (const std::optional<UnitInputProblem> problem = unitInputProblem(in, anyHeaterType))
        return {std::nullopt, std::nullopt, {}, problem};
    return {in, std::nullopt, {}, std::nullopt};
}

UnitPageRead readPlainPage(const PlainPageText& typed, QChar decimalSeparator)
{
    UnitInputs in;
    in.kind = UnitKind::Plain;
    const struct {
        UnitField field;
        const QString& text;
        double& target;
        bool (*fails)(double);
        QString (*message)();
        double largest; // the box's upper bound
        QString (*tooHigh)();
    } boxes[] = {
        {UnitField::PlainFlow, typed.flow, in.heater.flow, [](double g) { return !(g > 0); },
            messages::plainFlowNotPositive, std::numeric_limits<double>::infinity(), nullptr},
        {UnitField::PlainFreePressure, typed.freePressure, in.freePressure, [](double p) { return p < 0; },
            messages::plainFreePressureNegative, largestFreePressure, messages::plainFreePressureTooHigh},
        {UnitField::PlainMaxSpeed, typed.maxSpeed, in.heater.maxSpeed, [](double v) { return !(v > 0); },
            messages::plainSpeedNotPositive, largestAirSpeed, messages::plainSpeedTooHigh},
    };
    for (const auto& box : boxes) {
        const std::optional<double> value = parseNumber(box.text, decimalSeparator);
        if (!value)
            return {std::nullopt, box.field, box.text, std::nullopt};
        if (box.fails(*value))
            return {std::nullopt, std::nullopt, {}, UnitInputProblem {box.field, box.message()}};
        if (*value > box.largest)
            return {std::nullopt, std::nullopt, {}, UnitInputProblem {box.field, box.tooHigh()}};
        box.target = *value;
    }
    return {in, std::nullopt, {}, std::nullopt};
}

SectionGridRead readSectionGridInputs(
    const QString& flowText, const QString& maxSpeedText, QChar decimalSeparator)
{
    SectionGridRead read;
    const std::optional<double> flow = parseNumber(flowText, decimalSeparator);
    if (!flow)
        return read;
    if (*flow < 0) {
        read.message = messages::plainFlowNotPositive();
        return read;
    }
    read.flow = flow;
    const std::optional<double> maxSpeed = parseNumber(maxSpeedText, decimalSeparator);
    if (!maxSpeed)
        return read;
    if (!(*maxSpeed > 0)) {
        read.message = messages::speedNotPositive();
        return read;
    }
    read.maxSpeed = maxSpeed;
    return read;
}

} // namespace unit
