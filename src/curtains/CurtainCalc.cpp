#include "curtains/CurtainCalc.h"

#include "common/FiniteResult.h"
#include "common/NumberText.h"
#include "curtains/CurtainSizes.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace curtains {

namespace {

CurtainOutcome refuse(CurtainRefusal refusal, int smallestBlockItem = temLargestBlockItem)
{
    CurtainOutcome outcome;
    outcome.refusal = std::move(refusal);
    outcome.smallestBlockItem = smallestBlockItem;
    return outcome;
}

QString seriesPrefix(Series series)
{
    return series == Series::Tem ? u"ТЕМ-"_s : u"ОРК-"_s;
}

// "B2" (Latin B), "П3", "ЭТ(36)" or nothing.
QString heaterSuffix(const CurtainRun& run)
{
    const QString rows = run.inputs.threeRows ? u"3"_s : u"2"_s;
    switch (run.inputs.heater) {
    case HeaterKind::Water:
        return u"B"_s + rows;
    case HeaterKind::Steam:
        return u"П"_s + rows;
    case HeaterKind::Electric: {
        const double power = run.record
            ? (run.inputs.reducedPower ? run.record->electricReduced : run.record->electricNominal)
            : 0.0;
        return u"ЭТ("_s + integerText(power) + u")"_s;
    }
    case HeaterKind::None:
        break;
    }
    return {};
}

QString modelDesignation(const CurtainRun& run)
{
    const CurtainChoice& c = run.choice;
    QString text = seriesPrefix(run.inputs.series);
    if (run.inputs.series == Series::Tem) {
        if (c.blockCount >= 2)
            text += QString::number(c.blockCount) + u"*"_s;
        text += c.model + u"."_s + c.index;
    } else {
        text += c.model + c.index;
    }
    // Without a heater the name ends at the index.
    return QString(text + u" "_s + heaterSuffix(run)).trimmed();
}

// Heater of ОРК and ТЕМ from the heater rise: heat output, water or steam flow, the catalogue's pressure
// drop and electric power.
std::optional<CurtainHeater> modelHeater(const CurtainRun& run)
{
    const CurtainInputs& in = run.inputs;
    if (in.heater == HeaterKind::None)
        return std::nullopt;
    const double g = run.choice.flow;
    const double dt = run.design.dt;
    CurtainHeater h;
    h.output = g * dt / 3000.0;
    const double loss2 = run.record ? run.record->waterLoss2 : 0.0;
    const double loss3 = run.record ? run.record->waterLoss3 : 0.0;
    switch (in.heater) {
    case HeaterKind::Water:
        h.waterFlow = 900.0 * g * dt / 3000.0 / (run.design.tw1 - run.design.tw2);
        h.waterLoss = in.threeRows ? loss3 : loss2;
        break;
    case HeaterKind::Steam:
        h.waterFlow = g * dt * 3600.0 / 3000.0 / 2260.0;
        break;
    case HeaterKind::Electric:
        if (run.record)
            h.power = in.reducedPower ? run.record->electricReduced : run.record->electricNominal;
        break;
    case HeaterKind::None:
        break;
    }
    return h;
}

QString plnHeaterLetter(HeaterKind heater)
{
    switch (heater) {
    case HeaterKind::Water:
        return u"В"_s;
    case HeaterKind::Electric:
        return u"Э"_s;
    default:
        return {};
    }
}

QString plnBlockName(const CurtainRun& run, const QString& blockLetter)
{
    return u"ПЛН"_s + run.choice.model + blockLetter + plnHeaterLetter(run.inputs.heater);
}

// ПЛН: designation, composition text, sound pressure and the heater from the blocks' catalogue data.
void describePln(CurtainRun& run, const CurtainCatalogue& catalogue)
{
    const CurtainChoice& c = run.choice;
    const QString letter = plnHeaterLetter(run.inputs.heater);
    run.designation = u"ПЛН-"_s + c.model;
    if (c.blocksA > 0)
        run.designation += u"-"_s + QString::number(c.blocksA) + u"*А"_s + letter;
    if (c.blocksB > 0)
        run.designation += u"-"_s + QString::number(c.blocksB) + u"*Б"_s + letter;

    run.composition.clear();
    if (c.blocksA > 0)
        run.composition = u"(Блоков А"_s + letter + u" - "_s + QString::number(c.blocksA) + u"шт.)"_s;
    if (c.blocksB > 0) {
        const QString part = u"(Блоков Б"_s + letter + u" - "_s + QString::number(c.blocksB) + u"шт.)"_s;
        run.composition = run.composition.trimmed().isEmpty() ? part : run.composition + u" + "_s + part;
    }

    const PlnTypeBlocks& t = plnTypeBlocks(c.model.toInt());
    run.soundPressure
        = 10.0 * std::log10(c.blocksA * std::pow(10.0, t.noiseA) + c.blocksB * std::pow(10.0, t.noiseB));

    run.blockA = c.blocksA > 0 && catalogue.block ? catalogue.block(plnBlockName(run, u"А"_s)) : std::nullopt;
    run.blockB = c.blocksB > 0 && catalogue.block ? catalogue.block(plnBlockName(run, u"Б"_s)) : std::nullopt;
    run.heater.reset();
    if (run.inputs.heater == HeaterKind::None)
        return;
    CurtainHeater h;
    double waterFlow = 0;
    double waterLoss = 0;
    for (const auto& [record, count] :
        {std::pair {&run.blockA, c.blocksA}, std::pair {&run.blockB, c.blocksB}}) {
        if (!*record)
            continue;
        h.output += count * (*record)->heaterPower;
        waterFlow += count * (*record)->waterFlow;
        waterLoss = std::max(waterLoss, (*record)->waterLoss); // the blocks' heaters run in parallel
    }
    if (run.inputs.heater == HeaterKind::Water) {
        h.waterFlow = waterFlow;
        h.waterLoss = waterLoss;
    } else {
        h.power = h.output;
    }
    run.heater = h;
}

// Jet, heat balance, catalogue record, heater and designation of a chosen curtain (steps that an index
// change repeats).
CurtainOutcome finishRun(CurtainRun run, const CurtainCatalogue& catalogue)
{
    const CurtainInputs& in = run.inputs;
    const bool pln = in.series == Series::Pln;
    // ПЛН's heater rise enters only the relative jet temperature.
    const double dt = pln ? 0.0 : run.design.dt;
    JetInputs jet;
    jet.side = in.side;
    jet.onePost = in.onePost;
    jet.B = in.B;
    jet.H = in.H;
    jet.slot = run.choice.slot;
    jet.slotLength = pln ? run.choice.assembledLength : (in.side ? in.H : in.B);
    jet.flow = run.choice.flow;
    jet.gateVelocity = run.design.gateVelocity;
    jet.tv = in.tv;
    jet.tn = in.tn;
    jet.dt = dt;
    jet.direction = jetDirection();
    const std::optional<JetPath> path = jetTrajectory(jet);
    if (!path)
        return refuse(
            {u"Струя завесы не пересекает проем при таких исходных данных. Уточните исходные данные."_s,
                CurtainField::None});
    run.jet = *path;

    HeatBalanceInputs balance;
    balance.side = in.side;
    balance.direction = jet.direction;
    balance.outletVelocity = run.jet.outletVelocity;
    balance.gateVelocity = run.design.gateVelocity;
    balance.H = in.H;
    balance.B = in.B;
    balance.tn = in.tn;
    balance.tv = in.tv;
    balance.dt = dt;
    balance.slot = run.choice.slot;
    balance.flow = run.choice.flow;
    balance.endTemperature = run.jet.endTemperature;
    run.balance = curtainHeatBalance(balance);

    if (pln) {
        describePln(run, catalogue);
    } else {
        const QString name = seriesPrefix(in.series) + run.choice.model;
        run.record = catalogue.model ? catalogue.model(in.series, name) : std::nullopt;
        run.heater = modelHeater(run);
        run.designation = modelDesignation(run);
        if (in.series == Series::Tem && run.record) {
            const int units = run.choice.blockCount * (in.side && !in.onePost ? 2 : 1);
            run.soundPressure = run.record->noise + 10.0 * std::log10(units);
        }
    }

    const std::optional<CurtainHeater>& h = run.heater;
    if (!allFinite(run.choice.flow, run.choice.slot, run.jet.outletVelocity, run.jet.endTemperature,
            run.balance.gateLoss, run.balance.efficiency, run.soundPressure)
        || (h && !allFinite(h->output, h->waterFlow, h->waterLoss, h->power)))
        return refuse({finiteResultMessage(), CurtainField::None}, run.choice.smallestBlockItem);

    CurtainOutcome outcome;
    outcome.smallestBlockItem = run.choice.smallestBlockItem;
    if (!run.balance.efficiency) {
        outcome.refusal = {noEfficiencyMessage(), CurtainField::None};
        outcome.partial = std::move(run);
        return outcome;
    }
    outcome.run = std::move(run);
    return outcome;
}

// ОРК and ТЕМ: model, size index and slot width.
void chooseModel(CurtainRun& run, const CurtainModel& model, double flow)
{
    CurtainChoice& c = run.choice;
    c.model = QString::fromLatin1(model.number);
    c.largestIndex = model.largestIndex;
    const int index = std::min(sizeIndexFor(run.design.requiredSlot * 1000.0), model.largestIndex);
    c.index = sizeIndexText(index);
    c.slot = *slotWidthOfIndex(c.index);
    c.flow = flow;
}

} // namespace

CurtainOutcome calculateCurtain(const CurtainInputs& in, const CurtainCatalogue& catalogue, QChar sep)
{
    if (auto refusal = checkCurtainInputs(in, sep))
        return refuse(*refusal, in.smallestBlockItem);
    const CurtainDesignOutcome designed = designCurtain(in);
    if (!designed.design)
        return refuse(designed.refusal, in.smallestBlockItem);

    CurtainRun run;
    run.inputs = in;
    run.design = *designed.design;
    const double required = run.design.requiredFlow;
    CurtainChoice& c = run.choice;
    c.smallestBlockItem = in.smallestBlockItem;
    switch (in.series) {
    case Series::Ork: {
        const CurtainModel& model = orkModelFor(required);
        chooseModel(run, model, model.nominalFlow);
        c.servedFlow = servedFlow(model);
        break;
    }
    case Series::Tem: {
        const TemBlocks blocks = temBlocks(in, required);
        if (blocks.refusal)
            return refuse(*blocks.refusal, blocks.smallestBlockItem);
        const CurtainModel& model = temModelFor(blocks.modelFlow);
        c.blockCount = blocks.count;
        c.smallestBlockItem = blocks.smallestBlockItem;
        chooseModel(run, model, blocks.count * model.nominalFlow);
        c.servedFlow = blocks.count * servedFlow(model);
        break;
    }
    case Series::Pln: {
        const double gate = in.side ? in.H : in.B;
        const PlnType type = plnTypeFor(required / gate, in.heater);
        if (in.heater == HeaterKind::Water && type.number <= 2)
            return refuse(
                {u"Завесы требуемого типоразмера с водяным нагревом не существует. Просьба изменить "
                 u"задание."_s,
                    CurtainField::None});
        const PlnTypeBlocks& blocks = plnTypeBlocks(type.number);
        const PlnComposition composition = plnComposition(type.number, gate, in.mayExtend);
        if (composition.refusal)
            return refuse({composition.refusal->message, in.side ? CurtainField::H : CurtainField::B});
        c.model = QString::number(type.number);
        c.specificFlow = type.specificFlow;
        c.slot = in.heater == HeaterKind::None ? blocks.slotPlain : blocks.slotHeated;
        c.blocksA = composition.blocksA;
        c.blocksB = composition.blocksB;
        c.assembledLength = composition.length;
        c.flow = type.specificFlow * composition.length;
        c.servedFlow = type.servedSpecificFlow * composition.length;
        break;
    }
    }
    return finishRun(std::move(run), catalogue);
}

QString curtainShortfallMessage(const CurtainRun& run)
{
    // A thousandth of a cubic metre per hour is no difference.
    if (!(run.design.requiredFlow > run.choice.servedFlow + 1e-3))
        return {};
    return u"Расход воздуха завесы %1 м3/час меньше требуемого %2 м3/час: завеса не обеспечивает расчетный "
           u"расход воздуха. Измените исходные данные или ограничения."_s.arg(
               integerText(run.choice.flow), integerText(run.design.requiredFlow));
}

CurtainOutcome reindexCurtain(
    const CurtainRun& previous, const QString& index, const CurtainCatalogue& catalogue)
{
    const std::optional<double> slot = slotWidthOfIndex(index.trimmed());
    if (!slot || previous.inputs.series == Series::Pln)
        return refuse({u"Индекс завесы «%1» не существует. Выберите индекс от 01 до 10."_s.arg(index),
                          CurtainField::None},
            previous.choice.smallestBlockItem);
    CurtainRun run = previous;
    run.choice.index = index.trimmed();
    run.choice.slot = *slot;
    return finishRun(std::move(run), catalogue);
}

} // namespace curtains
