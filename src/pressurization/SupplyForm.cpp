#include "pressurization/SupplyForm.h"

using namespace Qt::StringLiterals;

namespace pressurization {

namespace {

using P = SupplyProject;
using V = SupplyValues;

FormInput<P, V> box(const QString& control, const QString& label, const QString& unit,
    const QString& defaultText, QString P::*text, SupplyField field, double step = 1)
{
    return {.control = control,
        .label = label,
        .unit = unit,
        .defaultText = defaultText,
        .step = step,
        .text = text,
        .focusField = static_cast<int>(field)};
}

// A box whose text becomes a real value of the calculation.
FormInput<P, V> real(FormInput<P, V> input, double V::*value)
{
    input.value = value;
    return input;
}

// A box whose text becomes a whole number of the calculation.
FormInput<P, V> whole(FormInput<P, V> input, int V::*value)
{
    input.whole = value;
    return input;
}

} // namespace

QStringList tambourNames()
{
    return {u" - Прямой"_s, u" - Другой"_s};
}

const FormInputs<SupplyProject, SupplyValues>& supplyFormInputs()
{
    using F = SupplyField;
    static const FormInputs<P, V> inputs {
        {.kind = InputKind::Text,
            .control = u"Input_ProjectName"_s,
            .label = u" Наименование проекта: "_s,
            .text = &P::projectName},
        real(box(u"Input_tn"_s, u"Расчетная температура воздуха, tн:"_s, u"°C"_s, u"15"_s,
                 &P::outdoorTemperature, F::OutdoorTemperature),
            &V::outdoorTemperature),
        real(box(u"Input_V"_s, u"Скорость ветра, V:"_s, u"м/сек"_s, u"2"_s, &P::windSpeed, F::WindSpeed),
            &V::windSpeed),
        whole(box(u"Input_N"_s, u"Число этажей в здании, N:"_s, {}, u"10"_s, &P::floors, F::Floors),
            &V::floors),
        real(box(u"Input_h"_s, u"Высота этажа, h: "_s, u"м"_s, u"3"_s, &P::storeyHeight, F::StoreyHeight),
            &V::storeyHeight),
        whole(box(u"Input_nn"_s, u"Число дверей на каждом этаже для -\nвыхода в коридор, n:"_s, {}, u"4"_s,
                  &P::doors, F::Doors, 4),
            &V::doors),
        real(box(u"Input_b"_s, u"Ширина створки дверей, b: "_s, u"м"_s, u"1"_s, &P::leafWidth, F::LeafWidth),
            &V::leafWidth),
        whole(box(u"Input_m"_s, u"Число лифтов в секции, m:"_s, {}, u"2"_s, &P::lifts, F::Lifts), &V::lifts),
        real(box(u"Input_A"_s, u"Площадь входной двери в здание, A:"_s, u"м2"_s, u"1"_s, &P::entranceArea,
                 F::EntranceArea),
            &V::entranceArea),
        real(box(u"Input_G"_s, u"Расход дыма, удаляемого\nпротиводымной вентиляцией, Gд:"_s, u"кг/час"_s,
                 u"5000"_s, &P::smokeFlow, F::SmokeFlow, 100),
            &V::smokeFlow),
        {.kind = InputKind::Choice,
            .control = u"RB_Tambur"_s,
            .label = u" Тамбур на выходе из здания: "_s,
            .items = tambourNames(),
            .columns = 2,
            .index = &P::tambour},
        whole(box(u"Input_Nz"_s, u"Число этажей в зоне, Nз:"_s, {}, u"4"_s, &P::zoneFloors, F::ZoneFloors),
            &V::zoneFloors),
    };
    return inputs;
}

} // namespace pressurization
