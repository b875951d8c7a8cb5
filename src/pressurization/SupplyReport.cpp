#include "pressurization/SupplyReport.h"

#include "calcreport/ReportBlocks.h"
#include "pressurization/SupplyTables.h"

using namespace Qt::StringLiterals;
using calcreport::BlockWriter;
using calcreport::escapedSymbol;
using calcreport::exponentFragment;
namespace sign = calcreport::sign;

namespace pressurization {

namespace {

const QByteArray dot = QByteArray(" ") + sign::dot + ' ';
const QByteArray root = sign::plainRoot;
const QByteArray squared = exponentFragment("2");

const QString pascal = u" Па"_s;
const QString kgPerHour = u" кг/ч"_s;

// Symbols: a Latin letter with its Cyrillic subscript escaped.
QByteArray sym(const char* letter, const QString& subscript, const QByteArray& tail = {})
{
    return letter + escapedSymbol(subscript) + tail;
}

const QByteArray Psh1 = sym("P", u"ш"_s, "1");
const QByteArray Pvs = sym("P", u"вс"_s);
const QByteArray Pksh = sym("P", u"кш"_s);
const QByteArray Gsh1 = sym("G", u"ш"_s, "1");
const QByteArray Gsr = sym("G", u"ср"_s);
const QByteArray Gdv = sym("G", u"дв"_s);
const QByteArray Gd = sym("G", u"д"_s);
const QByteArray Gob = sym("G", u"об"_s);
const QByteArray Qob = sym("Q", u"об"_s);
const QByteArray Gsh = sym("G", u"ш"_s);
const QByteArray Qsh = sym("Q", u"ш"_s);
const QByteArray Nz = sym("N", u"з"_s);
const QByteArray tn = sym("t", u"н"_s);
const QByteArray rhoN = QByteArray(sign::rho) + escapedSymbol(u"н"_s);
const QByteArray stack = "N" + dot + "h" + dot + "Y_Y";

// Volume flows: м³/ч.
void cubicMetresPerHour(BlockWriter& w, const QByteArray& symbol, const QByteArray& mass,
    const QByteArray& massValue, double volume)
{
    w.formula(symbol, mass + " / 1,2", massValue + " / 1,2", w.n(volume), u" м"_s,
        "\\super 3\\nosupersub /" + escapedSymbol(u"ч"_s));
}

// The outside pressure at the first storey, Pш1 of scheme S or Pвс of the others.
void windPressure(
    BlockWriter& w, const SupplyValues& v, const SupplyResult& r, const QByteArray& symbol, double value)
{
    w.formula(symbol, "0,7" + dot + "V" + squared + dot + rhoN + " + 20",
        "0,7" + dot + w.n(v.windSpeed) + squared + dot + w.n(r.outdoorDensity) + " + 20", w.n(value), pascal);
}

// Pc + P + N ∙ h ∙ Y_Y (+ extra): the pressure of a fan.
void fanPressure(BlockWriter& w, const SupplyResult& r, int fan, const QByteArray& symbol,
    const QByteArray& base, double baseValue, const QByteArray& stackFactor, const QByteArray& stackTerm,
    const QByteArray& stackValues, const QByteArray& extra, double extraValue, double result)
{
    const QByteArray pc = "Pc" + QByteArray::number(fan + 1);
    QByteArray symbolic = pc + " + " + base + " + " + stackFactor + stackTerm;
    QByteArray substituted
        = w.n(r.ductLosses[fan].value_or(0)) + " + " + w.n(baseValue) + " + " + stackFactor + stackValues;
    if (!extra.isEmpty()) {
        symbolic += " + " + extra;
        substituted += " + " + w.n(extraValue);
    }
    w.formula(symbol, symbolic, substituted, w.n(result), pascal);
}

QByteArray stackValues(const BlockWriter& w, const SupplyValues& v, const SupplyResult& r, int storeys)
{
    return QByteArray::number(storeys) + dot + w.n(v.storeyHeight) + dot + w.n(r.stackTerm);
}

void shaftScheme(BlockWriter& w, const SupplyValues& v, const SupplyResult& r)
{
    w.label("1", u"Давление в лифтовой шахте на 1-м этаже"_s);
    windPressure(w, v, r, Psh1, r.shaftPressure);

    w.label("2", u"Расход воздуха, выходящего на 1-м этаже"_s);
    struct Formula {
        const char *base, *factor, *offset;
    };
    const bool threeLifts = v.lifts == 3;
    if (v.lifts == 2 || threeLifts) {
        const Formula f = v.directTambour
            ? (threeLifts ? Formula {"3230", "18,5", "12"} : Formula {"1930", "11", "10"})
            : (threeLifts ? Formula {"4350", "12,95", "11,5"} : Formula {"2950", "8,8", "12"});
        const QByteArray head = QByteArray(f.base) + " + 1000" + dot + root + "(" + f.factor + dot;
        w.formula(Gsh1, head + Psh1 + " - " + f.offset + ")",
            head + w.n(r.shaftPressure) + " - " + f.offset + ")", w.n(r.firstFloorFlowBeforeWidth),
            kgPerHour);
    }
    if (r.widthCorrected) {
        w.label("2a", u"Ширина створки дверей отлична от 0,6 м. Поправка"_s);
        w.formula(Gsh1, "1,67" + dot + "b" + dot + Gsh1,
            "1,67" + dot + w.n(v.leafWidth) + dot + w.n(r.firstFloorFlowBeforeWidth), w.n(*r.firstFloorFlow),
            kgPerHour);
    }

    w.label("3", u"Средний расход воздуха на каждом этаже"_s);
    w.formula(Gsr, "1050 + 5,2" + dot + root + Psh1 + " + 20" + dot + "(N - 1) + 30" + dot + "(n - 4)",
        "1050 + 5,2" + dot + root + w.n(r.shaftPressure) + " + 20" + dot + "(" + QByteArray::number(v.floors)
            + " - 1) + 30" + dot + "(" + QByteArray::number(v.doors) + " - 4)",
        w.n(r.meanFloorFlow), kgPerHour);

    const QString fanFlowTitle = u"Расход воздуха, подаваемый вентилятором"_s;
    w.label("4", fanFlowTitle);
    w.formula("G", Gsh1 + " + (" + Gsr + " - 5" + dot + "(" + tn + " + 25))" + dot + "(N - 1)",
        w.n(*r.firstFloorFlow) + " + (" + w.n(r.meanFloorFlow) + " - 5" + dot + "("
            + w.n(v.outdoorTemperature) + " + 25))" + dot + "(" + QByteArray::number(v.floors) + " - 1)",
        w.n(*r.fanMassFlow), kgPerHour);
    w.label("4a", fanFlowTitle);
    cubicMetresPerHour(w, "Q", "G", w.n(*r.fanMassFlow), *r.fanVolumeFlow);

    w.label("5", u"Давление вентилятора"_s);
    fanPressure(w, r, 0, sym("P", u"в"_s), Psh1, r.shaftPressure, {}, stack, stackValues(w, v, r, v.floors),
        {}, 0, *r.fanPressure);
}

// Pкш of schemes D and Z: 50 Pa or the value of the shaft table.
void tabulatedDifference(BlockWriter& w, const SupplyResult& r)
{
    w.label("2",
        r.tabulatedDifference
            ? u"Разность давлений в лестничной шахте и лестничной клетке (в зависимости от N, m, n, Pвс)"_s
            : u"Разность давлений в лестничной шахте и лестничной клетке"_s);
    w.valueOnly(Pksh, w.n(*r.shaftStairDifference), pascal);
}

// Pш1 of schemes J and D: a + b ∙ Pвс − d ∙ Pкш by the number of lifts.
void liftShaftPressure(
    BlockWriter& w, const SupplyResult& r, const QByteArray& a, const QByteArray& b, const QByteArray& d)
{
    w.label("3", u"Давление воздуха на 1-м этаже в лифтовой шахте"_s);
    const QByteArray start = a.isEmpty() ? QByteArray() : a + " + ";
    w.formula(Psh1, start + b + dot + Pvs + " - " + d + dot + Pksh,
        start + b + dot + w.n(*r.lobbyPressure) + " - " + d + dot + w.n(*r.shaftStairDifference),
        w.n(r.shaftPressure), pascal);
}

void doorFlow(BlockWriter& w, const SupplyValues& v, const SupplyResult& r)
{
    w.label("5", u"Расход воздуха через входную дверь здания"_s);
    const QByteArray factor = v.directTambour ? "2875" : "2075";
    w.formula(Gdv, factor + dot + "A" + dot + root + Pvs,
        factor + dot + w.n(v.entranceArea) + dot + root + w.n(*r.lobbyPressure), w.n(*r.doorFlow), kgPerHour);
}

// Blocks (4) to (6a) of schemes J and D.
void totalFlows(BlockWriter& w, const SupplyValues& v, const SupplyResult& r)
{
    w.label("4", u"Cредний расход воздуха на каждом этаже (в зависимости от Pш1 и этажности здания)"_s);
    w.valueOnly(Gsr, w.n(r.meanFloorFlow), kgPerHour);
    doorFlow(w, v, r);
    const QString title = u"Расход воздуха, подаваемый вентилятором"_s;
    w.label("6", title);
    w.formula(Gob, Gsr + dot + "(N - 1) + " + Gdv + " + " + Gd,
        w.n(r.meanFloorFlow) + dot + "(" + QByteArray::number(v.floors) + " - 1) + " + w.n(*r.doorFlow)
            + " + " + w.n(v.smokeFlow),
        w.n(*r.totalFlow), kgPerHour);
    w.label("6a", title);
    cubicMetresPerHour(w, Qob, Gob, w.n(*r.totalFlow), *r.totalVolumeFlow);
}

const QString stairAirTitle
    = u"Расход наружного воздуха для создания подпора в лестничной клетке (в зависимости "
      u"от Pш1, Pкш, числа лифтов и этажности здания)"_s;
const QString shaftAirTitle = u"Расход воздуха, который необходимо пропустить в лифтовую шахту"_s;

void jointScheme(BlockWriter& w, const SupplyValues& v, const SupplyResult& r)
{
    w.label("1", u"Давление в вестибюле на 1-м этаже"_s);
    windPressure(w, v, r, Pvs, *r.lobbyPressure);
    w.label("2", u"Разность давлений в лестничной шахте и лестничной клетке"_s);
    w.valueOnly(Pksh, w.n(*r.shaftStairDifference), pascal, {}, "\\b0  = 100 = \\b ");
    if (v.lifts == 2)
        liftShaftPressure(w, r, {}, "2", "0,1");
    else if (v.lifts == 3)
        liftShaftPressure(w, r, {}, "1,56", "0,067");
    else
        liftShaftPressure(w, r, {}, "1,4", "0,053");
    totalFlows(w, v, r);
    w.label("7", stairAirTitle);
    w.valueOnly("Gk", w.n(*r.stairFlow), kgPerHour);
    w.label("8", shaftAirTitle);
    w.formula(
        Gsh, Gob + " - Gk", w.n(*r.totalFlow) + " - " + w.n(*r.stairFlow), w.n(*r.shaftFlow), kgPerHour);
    w.label("9", u"Давление вентилятора"_s);
    fanPressure(w, r, 0, sym("P", u"в"_s), Psh1, r.shaftPressure, {}, stack, stackValues(w, v, r, v.floors),
        Pksh, *r.shaftStairDifference, *r.fanPressure);
}

void separateScheme(BlockWriter& w, const SupplyValues& v, const SupplyResult& r)
{
    w.label("1", u"Давление в вестибюле на 1-м этаже"_s);
    windPressure(w, v, r, Pvs, *r.lobbyPressure);
    tabulatedDifference(w, r);
    if (v.lifts == 2)
        liftShaftPressure(w, r, "25", "1,9", "0,22");
    else if (v.lifts == 3)
        liftShaftPressure(w, r, "15", "1,7", "0,2");
    else
        liftShaftPressure(w, r, "5", "1,4", "0,18");
    totalFlows(w, v, r);
    w.label("7", shaftAirTitle);
    w.formula(
        Gsh, Gob + " - Gk", w.n(*r.totalFlow) + " - " + w.n(*r.stairFlow), w.n(*r.shaftFlow), kgPerHour);
    w.label("7a", u"Расход воздуха вентилятора подачи воздуха в лифтовую шахту"_s);
    cubicMetresPerHour(w, Qsh, Gsh, w.n(*r.shaftFlow), *r.shaftVolumeFlow);
    w.label("8", stairAirTitle);
    w.valueOnly("Gk", w.n(*r.stairFlow), kgPerHour);
    w.label("8a", u"Расход наружного воздуха для создания подпора в лестничной клетке"_s);
    cubicMetresPerHour(w, "Qk", "Gk", w.n(*r.stairFlow), *r.stairVolumeFlow);
    const QByteArray storeys = stackValues(w, v, r, v.floors);
    w.label("9a", u"Давление вентилятора, подающего воздух в лифтовую шахту"_s);
    fanPressure(
        w, r, 0, sym("P", u"вш"_s), Psh1, r.shaftPressure, {}, stack, storeys, {}, 0, *r.shaftFanPressure);
    w.label("9b", u"Давление вентилятора, подающего воздух в лестничную клетку"_s);
    fanPressure(w, r, 1, sym("P", u"вк"_s), Psh1, r.shaftPressure, {}, stack, storeys, Pksh,
        *r.shaftStairDifference, *r.stairFanPressure);
}

// A summary of one fan of scheme Z: its flows under the first title, its pressure under the second.
void fanSummary(BlockWriter& w, const QByteArray& label, const QString& flowTitle,
    const QByteArray& massSymbol, double mass, const QByteArray& volumeSymbol, double volume,
    const QString& pressureTitle, const QByteArray& pressureSymbol, double pressure)
{
    w.label(label, flowTitle);
    w.valueOnly(massSymbol, w.n(mass), kgPerHour);
    w.valueOnly(volumeSymbol, w.n(volume), u" м"_s, "\\super 3\\nosupersub /" + escapedSymbol(u"ч"_s));
    w.raw("\\par\\b\\tab ");
    w.escaped(pressureTitle);
    w.valueOnly(pressureSymbol, w.n(pressure), pascal);
}

void zonesScheme(BlockWriter& w, const SupplyValues& v, const SupplyResult& r)
{
    const QByteArray Gobn = sym("G", u"обн"_s), Qobn = sym("Q", u"обн"_s);
    const QByteArray Gkn = sym("G", u"кн"_s), Qkn = sym("Q", u"кн"_s), Gshn = sym("G", u"шн"_s);
    const QByteArray Pnzk = sym("P", u"нзк"_s), Pvzk = sym("P", u"взк"_s);
    const QByteArray Gkv = sym("G", u"кв"_s), Qkv = sym("Q", u"кв"_s);
    const QByteArray Gvzk = sym("G", u"взк"_s), Gvzsh = sym("G", u"взш"_s);
    const QByteArray Pvsh = sym("P", u"вш"_s), Pvkv = sym("P", u"вкв"_s), Pvkn = sym("P", u"вкн"_s);
    const QByteArray nz = QByteArray::number(v.zoneFloors);

    w.label("1", u"Давление в вестибюле на 1-м этаже"_s);
    windPressure(w, v, r, Pvs, *r.lobbyPressure);
    tabulatedDifference(w, r);
    const ZoneShaftCoefficients k = zoneShaftCoefficients(v.zoneFloors, v.lifts);
    liftShaftPressure(w, r, w.n(k.a), w.n(k.b), w.n(k.d));

    w.label("4",
        u"Cредний расход воздуха на каждом этаже (определяем по таблице 6 МДС 41-1.99 в зависимости от Pш1 и "
        u"Pкш)"_s);
    w.valueOnly(Gsr, w.n(r.meanFloorFlow), kgPerHour);
    doorFlow(w, v, r);
    const QString lowerTitle = u"Общий расход воздуха, подаваемого в нижнюю зону здания"_s;
    w.label("6", lowerTitle);
    w.formula(Gobn, Gsr + dot + "(" + Nz + " - 1) + " + Gdv,
        w.n(r.meanFloorFlow) + dot + "(" + nz + " - 1) + " + w.n(*r.doorFlow), w.n(*r.lowerTotalFlow),
        kgPerHour);
    w.label("6a", lowerTitle);
    cubicMetresPerHour(w, Qobn, Gobn, w.n(*r.lowerTotalFlow), *r.lowerTotalVolumeFlow);
    const QString lowerStairTitle = u"Расход наружного воздуха для создания подпора в нижней зоне лестничной "
                                    u"клетки (определяем по рис. 7 МДС 41-1.99 в зависимости от Pш1, Pкш, "
                                    u"числа лифтов и числа этажей в зоне)"_s;
    w.label("7", lowerStairTitle);
    w.valueOnly(Gkn, w.n(*r.lowerStairFlow), kgPerHour);
    w.label("7a", lowerStairTitle);
    cubicMetresPerHour(w, Qkn, Gkn, w.n(*r.lowerStairFlow), *r.lowerStairVolumeFlow);
    w.label("8", u"Расход воздуха, который необходимо пропустить в лифтовую шахту нижней зоны"_s);
    w.formula(Gshn, Gobn + " - " + Gkn, w.n(*r.lowerTotalFlow) + " - " + w.n(*r.lowerStairFlow),
        w.n(*r.lowerShaftFlow), kgPerHour);

    const QByteArray zoneStack = Nz + dot + "h" + dot + "Y_Y";
    w.label("9", u"Давление в верхней части нижней зоны лестничной клетки"_s);
    w.formula(Pnzk, Psh1 + " + " + Pksh + " - " + zoneStack,
        w.n(r.shaftPressure) + " + " + w.n(*r.shaftStairDifference) + " - "
            + stackValues(w, v, r, v.zoneFloors),
        w.n(*r.lowerZonePressure), pascal);
    w.label("10", u"Давление в верхней части верхней зоны лестничной клетки"_s);
    w.formula(Pvzk, Pnzk + " - 0,03" + dot + Psh1 + " + " + Nz + " - 5",
        w.n(*r.lowerZonePressure) + " - 0,03" + dot + w.n(r.shaftPressure) + " + " + nz + " - 5",
        w.n(*r.upperZonePressure), pascal);
    w.label("11", u"Расход воздуха для верхней зоны лестничной клетки"_s);
    w.formula(Gkv,
        "11500 + 44" + dot + Pvzk + " - 21" + dot + "(" + Psh1 + " - 235) + 1060" + dot + "(" + Nz + " - 5)",
        "11500 + 44" + dot + w.n(*r.upperZonePressure) + " - 21" + dot + "(" + w.n(r.shaftPressure)
            + " - 235) + 1060" + dot + "(" + nz + " - 5)",
        w.n(*r.upperStairFlow), kgPerHour);
    cubicMetresPerHour(w, Qkv, Gkv, w.n(*r.upperStairFlow), *r.upperStairVolumeFlow);
    w.label("12",
        u"Расход наружного воздуха для создания подпора в верхней зоне лестничной клетки (определяем по рис. "
        u"8 "
        u"МДС 41-1.99 в зависимости от Pш1 и Pкш)"_s);
    w.valueOnly(Gvzk, w.n(*r.upperZoneAir), kgPerHour, {}, "\\b0   = \\b ");
    w.label("12a", u"Расход воздуха для верхней зоны лифтовой шахты"_s);
    w.formula(Gvzsh, Gvzk + dot + Nz + " + " + Gd + " - " + Gkv,
        w.n(*r.upperZoneAir) + dot + nz + " + " + w.n(v.smokeFlow) + " - " + w.n(*r.upperStairFlow),
        w.n(*r.upperShaftFlow), kgPerHour);
    w.label("12b", u"Общий расход воздуха в лифтовые шахты"_s);
    w.formula(Gsh, Gvzsh + " + " + Gshn, w.n(*r.upperShaftFlow) + " + " + w.n(*r.lowerShaftFlow),
        w.n(*r.shaftFlow), kgPerHour);
    cubicMetresPerHour(w, Qsh, Gsh, w.n(*r.shaftFlow), *r.shaftVolumeFlow);

    const QByteArray storeys = stackValues(w, v, r, v.floors);
    w.label("13a", u"Давление вентилятора, подающего воздух в лифтовую шахту"_s);
    fanPressure(w, r, 0, Pvsh, Pvzk, *r.upperZonePressure, {}, stack, storeys, {}, 0, *r.shaftFanPressure);
    w.label("13b", u"Давление вентилятора, подающего воздух в верхнюю зону лестничной клетки"_s);
    fanPressure(w, r, 1, Pvkv, Pvzk, *r.upperZonePressure, "2" + dot, stack, storeys, {}, 0,
        *r.upperStairFanPressure);
    w.label("13c", u"Давление вентилятора, подающего воздух в нижнюю зону лестничной клетки"_s);
    fanPressure(w, r, 2, Pvkn, Pnzk, *r.lowerZonePressure, "2" + dot, zoneStack,
        stackValues(w, v, r, v.zoneFloors), {}, 0, *r.lowerStairFanPressure);

    fanSummary(w, "14a", u"Расход воздуха вентилятора подачи воздуха в шахту"_s, Gsh, *r.shaftFlow, Qsh,
        *r.shaftVolumeFlow, u"Давление вентилятора подачи воздуха в шахту"_s, Pvsh, *r.shaftFanPressure);
    fanSummary(w, "14b", u"Расход воздуха вентилятора подачи воздуха в верхнюю зону лестничной клетки"_s, Gkv,
        *r.upperStairFlow, Qkv, *r.upperStairVolumeFlow,
        u"Давление вентилятора подачи воздуха в верхнюю зону лестничной клетки"_s, Pvkv,
        *r.upperStairFanPressure);
    fanSummary(w, "14c", u"Расход воздуха вентилятора подачи воздуха в нижнюю зону лестничной клетки"_s, Gkn,
        *r.lowerStairFlow, Qkn, *r.lowerStairVolumeFlow,
        u"Давление вентилятора подачи воздуха в нижнюю зону лестничной клетки"_s, Pvkn,
        *r.lowerStairFanPressure);
}

} // namespace

void writeSupplyCalculation(
    calcreport::CalculationReport& report, const SupplyValues& v, const SupplyResult& r, QChar separator)
{
    report.startCalculationPart();
    BlockWriter w(report.calculation(), separator);
    switch (r.scheme) {
    case SupplyScheme::Shaft:
        shaftScheme(w, v, r);
        break;
    case SupplyScheme::Joint:
        jointScheme(w, v, r);
        break;
    case SupplyScheme::Separate:
        separateScheme(w, v, r);
        break;
    case SupplyScheme::Zones:
        zonesScheme(w, v, r);
        break;
    }
    report.finishCalculationPart();
}

} // namespace pressurization
