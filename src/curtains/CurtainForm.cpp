#include "curtains/CurtainForm.h"

using namespace Qt::StringLiterals;

namespace curtains {
namespace {

using P = CurtainProject;
using I = CurtainInputs;

int focus(CurtainField field)
{
    return static_cast<int>(field);
}

QStringList heaterItems(Series series)
{
    switch (series) {
    case Series::Ork:
        return {u"- без нагревателя"_s, u"- водяной"_s, u"- паровой"_s, u"- электрический"_s};
    case Series::Tem:
        return {u"- без нагрева"_s, u"- водяной"_s, u"- паровой"_s};
    case Series::Pln:
        break;
    }
    return {u"- без нагревателя"_s, u"- водяной"_s, u"- электрический (ТЭН)"_s};
}

CurtainFormInput box(const QString& control, const QString& label, const QString& unit, const QString& hint,
    const QString& defaultText, const QString& cliOption, QString P::*text, double I::*value,
    CurtainField field)
{
    return {.control = control,
        .label = label,
        .unit = unit,
        .hint = hint,
        .defaultText = defaultText,
        .settingsKey = control,
        .cliOption = cliOption,
        .text = text,
        .value = value,
        .focusField = focus(field)};
}

FormInputs<P, I> gateBoxes()
{
    return {
        box(u"Input_B"_s, u"Ширина воротного проема, B:"_s, u"м"_s, u"Задайте ширину воротного проема, м"_s,
            u"3"_s, u"--width"_s, &P::B, &I::B, CurtainField::B),
        box(u"Input_H"_s, u"Высота воротного проема, H:"_s, u"м"_s, u"Задайте высоту воротного проема, м"_s,
            u"2"_s, u"--height"_s, &P::H, &I::H, CurtainField::H),
        box(u"Input_tv"_s, u"Температура воздуха внутри помещения, tв:"_s, u"°C"_s,
            u"Задайте температуру воздуха внутри помещения, [градусов Цельсия]"_s, u"20"_s, u"--tv"_s, &P::tv,
            &I::tv, CurtainField::Tv),
        box(u"Input_tn"_s, u"Температура наружного воздуха, tн:"_s, u"°C"_s,
            u"Задайте температуру наружного воздуха, [градусов Цельсия]"_s, u"-20"_s, u"--tn"_s, &P::tn,
            &I::tn, CurtainField::Tn),
        box(u"Input_tc"_s, u"Средняя температура струи, tc:"_s, u"°C"_s,
            u"Задайте среднюю температуру струи завесы, [градусов Цельсия]"_s, u"14"_s, u"--tc"_s, &P::tc,
            &I::tc, CurtainField::Tc),
        box(u"Input_v"_s, u"Скорость ветра, v:"_s, u"м/с"_s, u"Задайте расчетную скорость ветра, м/с"_s,
            u"4"_s, u"--wind"_s, &P::v, &I::v, CurtainField::V),
    };
}

FormInputs<P, I> waterBoxes()
{
    return {
        box(u"Input_tw1"_s, u"На входе:"_s, u"°C"_s,
            u"Задайте температуру воды на входе, [градусов Цельсия]"_s, u"80"_s, u"--tw1"_s, &P::tw1, &I::tw1,
            CurtainField::Tw1),
        box(u"Input_tw2"_s, u"На выходе:"_s, u"°C"_s,
            u"Задайте температуру воды на выходе, [градусов Цельсия]"_s, u"40"_s, u"--tw2"_s, &P::tw2,
            &I::tw2, CurtainField::Tw2),
    };
}

FormInputs<P, I> describe(Series series)
{
    FormInputs<P, I> inputs {
        {.kind = InputKind::Text, .control = u"Input_ProjectName"_s, .text = &P::projectName},
        {.kind = InputKind::Choice,
            .control = u"RadioGroupb_v"_s,
            .label = u" Размещение: "_s,
            .items = {u"Боковая"_s, u"Верхняя"_s},
            .columns = 2,
            .defaultIndex = series == Series::Pln ? 1 : 0, // a ПЛН curtain hangs over the gate
            .index = &P::placement},
        {.kind = InputKind::Choice,
            .control = u"RadioGroupb1_b2"_s,
            .items = {u"Одностоечная"_s, u"Двухстоечная"_s},
            .columns = 2,
            .index = &P::posts},
    };
    const auto append
        = [&inputs](const FormInputs<P, I>& more) { inputs.insert(inputs.end(), more.begin(), more.end()); };
    const CurtainFormInput building {.kind = InputKind::Choice,
        .control = u"RadioGroupTip"_s,
        .label = u" Здание: "_s,
        .items = {u"Без аэрационных проемов (1)"_s,
            u"С аэрационными проемами, закрытыми в холодный период года (2)"_s,
            u"С аэрационными проемами, открытыми в холодный период года (3)"_s},
        .settingsKey = u"RadioGroupTip_ItemIndex"_s,
        .index = &P::buildingType};
    const CurtainFormInput heater {.kind = InputKind::Choice,
        .control = u"RG_Tip"_s,
        .label = u" Тип: "_s,
        .items = heaterItems(series),
        .settingsKey = series == Series::Pln ? u"RGTip_ItemIndex"_s : u"RG_Tip_ItemIndex"_s,
        .index = &P::heaterType};
    append(gateBoxes());
    if (series == Series::Pln) {
        append({building,
            {.kind = InputKind::Pair,
                .control = u"RB_YES"_s,
                .secondControl = u"RB_NO"_s,
                .label = u" Может ли завеса выступать за проем? "_s,
                .items = {u"ДА"_s, u"НЕТ"_s},
                .settingsKey = u"LargeProem"_s,
                .checked = &P::mayExtend},
            heater});
        append(waterBoxes());
        return inputs;
    }
    append(waterBoxes());
    append({building, heater,
        {.kind = InputKind::Choice,
            .control = u"RG_2_3"_s,
            .items = {u"- 2х рядный"_s, u"- 3х рядный"_s},
            .columns = 2,
            .settingsKey = u"RG_2_3_ItemIndex"_s,
            .index = &P::heaterRows}});
    if (series == Series::Ork) {
        append({{.kind = InputKind::Choice,
            .control = u"RG_P1_P2"_s,
            .label = u" Мощность: "_s,
            .items = {u"Номинальная"_s, u"Пониженная"_s},
            .columns = 2,
            .settingsKey = u"RG_P1_P2_ItemIndex"_s,
            .index = &P::powerStep}});
        return inputs;
    }
    append({{.kind = InputKind::Choice,
                .control = u"RG"_s,
                .label = u" Есть ли ограничения по размеру сечения блока завесы? "_s,
                .items = {u"ДА"_s, u"НЕТ"_s},
                .columns = 3,
                .defaultIndex = 1,
                .settingsKey = u"RG_ItemIndex"_s,
                .index = &P::blockLimit},
        {.kind = InputKind::Choice,
            .control = u"RG_I"_s,
            .label = u" Допустимый наименьший размер сечения блока, не более: "_s,
            .items = {u"450мм"_s, u"500мм"_s, u"550мм"_s, u"600мм"_s, u"700мм"_s, u"800мм"_s},
            .columns = temBlockLimitCount,
            .defaultIndex = temLargestBlockItem,
            .settingsKey = u"RG_I_ItemIndex"_s,
            .index = &P::smallestBlock}});
    return inputs;
}

} // namespace

const FormInputs<CurtainProject, CurtainInputs>& curtainFormInputs(Series series)
{
    static const FormInputs<P, I> ork = describe(Series::Ork);
    static const FormInputs<P, I> tem = describe(Series::Tem);
    static const FormInputs<P, I> pln = describe(Series::Pln);
    switch (series) {
    case Series::Ork:
        return ork;
    case Series::Tem:
        return tem;
    case Series::Pln:
        break;
    }
    return pln;
}

QStringList curtainNumberOrder(Series series, int heaterItem)
{
    QStringList order {u"Input_H"_s, u"Input_B"_s, u"Input_tv"_s, u"Input_tn"_s, u"Input_tc"_s};
    const QStringList water = readsWaterTemperatures(series, heaterItem)
        ? QStringList {u"Input_tw1"_s, u"Input_tw2"_s}
        : QStringList {};
    if (series == Series::Pln)
        return order << u"Input_v"_s << water;
    return order << water << u"Input_v"_s;
}

} // namespace curtains
