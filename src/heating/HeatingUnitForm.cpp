#include "heating/HeatingUnitForm.h"

using namespace Qt::StringLiterals;

namespace heating {
namespace {

bool computesDemand(const HeatingUnitProject& record)
{
    return record.mode != static_cast<int>(DemandMode::Given);
}

bool givesDemand(const HeatingUnitProject& record)
{
    return !computesDemand(record);
}

int focus(HeatingUnitField field)
{
    return static_cast<int>(field);
}

using P = HeatingUnitProject;
using I = HeatingUnitInputs;

} // namespace

const FormInputs<HeatingUnitProject, HeatingUnitInputs>& heatingUnitInputs()
{
    static const FormInputs<P, I> inputs {
        {.kind = InputKind::Text,
            .control = u"Input_ProjectName"_s,
            .label = u" Наименование проекта: "_s,
            .text = &P::projectName},
        {.control = u"Input_tv"_s,
            .label = u"Расчетная температура внутреннего воздуха, tв:"_s,
            .unit = u"°C"_s,
            .hint = u"Задайте температуру воздуха внутри помещения, [градусов Цельсия]"_s,
            .defaultText = u"20"_s,
            .settingsKey = u"Input_tv"_s,
            .cliOption = u"--tv"_s,
            .text = &P::tv,
            .value = &I::tv,
            .focusField = focus(HeatingUnitField::Tv)},
        {.control = u"Input_tn"_s,
            .label = u"Расчетная температура наружного воздуха, tн:"_s,
            .unit = u"°C"_s,
            .hint = u"Задайте температуру наружного воздуха, [градусов Цельсия]"_s,
            .defaultText = u"-20"_s,
            .settingsKey = u"Input_tn"_s,
            .cliOption = u"--tn"_s,
            .text = &P::tn,
            .value = &I::tn,
            .focusField = focus(HeatingUnitField::Tn)},
        {.control = u"Input_tw1"_s,
            .label = u"Температура воды на входе:"_s,
            .unit = u"°C"_s,
            .hint = u"Задайте температуру воды на входе, [градусов Цельсия]"_s,
            .defaultText = u"80"_s,
            .settingsKey = u"Input_tw1"_s,
            .cliOption = u"--tw1"_s,
            .text = &P::tw1,
            .value = &I::tw1,
            .focusField = focus(HeatingUnitField::Tw1)},
        {.control = u"Input_tw2"_s,
            .label = u"Температура воды на выходе:"_s,
            .unit = u"°C"_s,
            .hint = u"Задайте температуру воды на выходе, [градусов Цельсия]"_s,
            .defaultText = u"40"_s,
            .settingsKey = u"Input_tw2"_s,
            .cliOption = u"--tw2"_s,
            .text = &P::tw2,
            .value = &I::tw2,
            .focusField = focus(HeatingUnitField::Tw2)},
        {.kind = InputKind::Choice,
            .control = u"RadioGroupTip"_s,
            .label = u" Тип здания: "_s,
            .items = {u"С большой поверхностью остекления (тип 1)"_s, u"Обычные здания (тип 2)"_s,
                u"Здания с улучшенной теплоизоляцией (тип 3)"_s},
            .settingsKey = u"RadioGroupTip_ItemIndex"_s,
            .index = &P::buildingType},
        {.kind = InputKind::Choice,
            .control = u"RG_Y"_s,
            .label = u" Начальный угол отклонения струи, град.: "_s,
            .items = {u"0"_s, u"-30"_s, u"-45"_s, u"-60"_s, u"-90"_s},
            .columns = 5,
            .settingsKey = u"RG_Y_ItemIndex"_s,
            .index = &P::angleItem},
        {.kind = InputKind::Choice,
            .control = u"RG_Rasch"_s,
            .label = u" Необходимая мощность для нагрева: "_s,
            .items = {u"Расчитать"_s, u"Задать"_s},
            .columns = 2,
            .settingsKey = u"RG_Rasch_ItemIndex"_s,
            .index = &P::mode},
        {.control = u"Input_V"_s,
            .label = u"Внешний объем здания, V:"_s,
            .unit = u"м3"_s,
            .hint = u"Задайте внешний объем здания, м3 "_s,
            .defaultText = u"1000"_s,
            .step = 50,
            .settingsKey = u"Input_V"_s,
            .cliOption = u"--volume"_s,
            .text = &P::volume,
            .value = &I::volume,
            .readWhen = computesDemand,
            .focusField = focus(HeatingUnitField::Volume)},
        {.control = u"Input_Q"_s,
            .label = u"Необходимая мощность для нагрева, Q:"_s,
            .unit = u"кВт"_s,
            .hint = u"Задайте необходимую мощность для нагрева, кВт"_s,
            .defaultText = u"100"_s,
            .settingsKey = u"Input_Q"_s,
            .cliOption = u"--demand"_s,
            .text = &P::demand,
            .value = &I::givenDemand,
            .readWhen = givesDemand,
            .focusField = focus(HeatingUnitField::Demand)},
        {.control = u"Input_Qp"_s,
            .label = u"Суммарная мощность теплопритока, Qп:"_s,
            .unit = u"кВт"_s,
            .hint = u"Задайте суммарную мощность теплопритока, кВт"_s,
            .defaultText = u"20"_s,
            .settingsKey = u"Input_Qp"_s,
            .cliOption = u"--gains"_s,
            .text = &P::gains,
            .value = &I::gains,
            .readWhen = computesDemand,
            .focusField = focus(HeatingUnitField::Gains)},
    };
    return inputs;
}

QString heatingUnitSettingsKey()
{
    return u"ChildwinVozdAgregatLUMA"_s;
}

HeatingUnitProject defaultHeatingUnitProject()
{
    return defaultRecord(heatingUnitInputs());
}

FormRead<HeatingUnitProject, HeatingUnitInputs> heatingUnitInputsOf(
    const HeatingUnitProject& record, QChar decimalSeparator)
{
    FormRead read = readNumbers(heatingUnitInputs(), record, HeatingUnitInputs {}, decimalSeparator);
    if (read.inputs) {
        // Item indices go over as they are: the calculation refuses one that names no item.
        read.inputs->buildingType = record.buildingType;
        read.inputs->angleItem = record.angleItem;
        read.inputs->mode = givesDemand(record) ? DemandMode::Given : DemandMode::Compute;
    }
    return read;
}

} // namespace heating
