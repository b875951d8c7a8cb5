#include "smoke/SmokeReport.h"

#include "calcreport/ReportBlocks.h"
#include "common/Cp1251.h"

using namespace Qt::StringLiterals;
using calcreport::exponentFragment;
using calcreport::writeEscaped;
namespace sign = calcreport::sign;

namespace smoke {

QString smokeReportTitle()
{
    return u"РАСЧЕТ СИСТЕМЫ ДЫМОУДАЛЕНИЯ"_s;
}

namespace {

const QByteArray dot = QByteArray(" ") + sign::dot + ' ';
// The font switch that closes a sign ends at a blank, which RTF swallows; one more keeps the blank of
// the formula that follows.
const QByteArray root = QByteArray(sign::root) + ' ';
const QByteArray sum = QByteArray(sign::sum) + ' ';
const QByteArray gamma = QByteArray(sign::gamma) + ' ';
const QByteArray pi = QByteArray(sign::pi) + ' ';
const QByteArray squared = exponentFragment("2");

QByteArray cyr(const QString& letters)
{
    return calcreport::escapedSymbol(letters);
}

using calcreport::BlockWriter;

const QString kgPerHour = u" кг/ч"_s;
const QString pascal = u" Па"_s;
const QString metrePerSecond = u" м/с"_s;
const QString metre = u" м"_s;

void writeSmokeFlow(BlockWriter& w, const SmokeValues& v, const SmokeResult& r)
{
    const QByteArray G = w.n(r.smokeFlow);
    const QByteArray exp15 = exponentFragment("1,5");
    switch (r.formula) {
    case SmokeFlowFormula::Residential:
        w.label("1", u"Расход дыма"_s);
        w.formula("G", "3420" + dot + "B" + dot + "n" + dot + "H" + exp15,
            "3420" + dot + w.n(v.doorWidth) + dot + w.n(*r.doorCoefficient) + dot + w.n(v.doorHeight) + exp15,
            G, kgPerHour);
        return;
    case SmokeFlowFormula::Corridor:
        w.label("2", u"Расход дыма"_s);
        w.formula("G", "4300" + dot + "B" + dot + "n" + dot + "H" + exp15 + dot + "Kd",
            "4300" + dot + w.n(v.doorWidth) + dot + w.n(*r.doorCoefficient) + dot + w.n(v.doorHeight) + exp15
                + dot + w.n(*r.evacueeCoefficient),
            G, kgPerHour);
        w.label("2a", u"Коэффициент Kd"_s);
        w.raw("\\par\\b0 ");
        w.escaped(u"Если Кe < 25, то Kd = 0,8; иначе Kd = 1"_s);
        w.raw("\\par\\b Ke\\b0  = " + QByteArray::number(v.evacuees) + ";  \\b Kd\\b0  = \\b "
            + w.n(*r.evacueeCoefficient));
        return;
    case SmokeFlowFormula::Room:
        w.label("3", u"Расход дыма"_s);
        w.formula("G", "676,8" + dot + "Pf" + dot + "y" + exp15,
            "676,8" + dot + w.n(v.flags.sprinkler ? 12.0 : v.firePerimeter) + dot + w.n(r.smokeLayer) + exp15,
            G, kgPerHour);
        return;
    case SmokeFlowFormula::LargeFire: {
        w.label("5", u"Расход дыма"_s);
        const QByteArray p = w.n(r.outdoorDensity);
        w.formula("G",
            "3584" + dot + sum + "A" + dot + root + "(ho" + dot + "(9,8" + dot + "p - " + gamma + ")" + dot
                + "p + 0,7" + dot + "V" + squared + dot + "p" + squared + ")",
            "3584" + dot + w.n(r.openDoorArea) + dot + root + "(" + w.n(r.doorLevel) + dot + "(9,8" + dot + p
                + " - " + w.n(r.smokeWeight) + ")" + dot + p + " + 0,7" + dot + w.n(v.windSpeed) + squared
                + dot + p + squared + ")",
            G, kgPerHour, {}, " = \\par\\tab ");
        return;
    }
    }
}

void writeValveAndBranch(BlockWriter& w, const SmokeValues& v, const SmokeResult& r)
{
    const QByteArray g = w.n(r.smokeWeight);
    const QByteArray G = w.n(r.smokeFlow);
    const QByteArray nk = QByteArray::number(v.valvesPerFloor);
    w.label("20", u"Скорость дыма в клапане"_s);
    w.formula("vk", "9,8" + dot + "G / 3600 / Fk / " + gamma + " / nk",
        "9,8" + dot + G + " / 3600 / " + w.n(v.valveArea) + " / " + g + " / " + nk, w.n(r.valveVelocity),
        metrePerSecond);
    // The valve's coefficient with its joint to the first shaft section: the loss is computed with it.
    w.label("21", u"Падение давления в клапане"_s);
    const QByteArray zetaK = QByteArray(sign::zeta) + " k";
    const QByteArray F1 = "F1" + cyr(u"ш"_s);
    const QByteArray ratio = w.n(v.valveArea) + " / " + w.n(v.sections.front().area);
    w.formula(zetaK,
        "Gk + 0,8" + dot + "(Fk / " + F1 + ")" + squared + " - 1,8" + dot + "(Fk / " + F1 + ") + 1",
        w.n(v.valveCoefficient) + " + 0,8" + dot + "(" + ratio + ")" + squared + " - 1,8" + dot + "(" + ratio
            + ") + 1",
        w.n(r.valveResistance));
    w.formula("pk", zetaK + dot + gamma + dot + "vk" + squared + " / 19,6",
        w.n(r.valveResistance) + dot + g + dot + w.n(r.valveVelocity) + squared + " / 19,6", w.n(r.valveLoss),
        pascal);
    w.label("22", u"Скорость дыма в ответвлениях"_s);
    w.formula("vo", "9,8" + dot + "G / 3600 / Fo / " + gamma + " / nk",
        "9,8" + dot + G + " / 3600 / " + w.n(v.branchArea) + " / " + g + " / " + nk, w.n(r.branchVelocity),
        metrePerSecond);
    w.label("23", u"Диаметр ответвления"_s);
    w.formula("do", root + "(4" + dot + "Fo / " + pi + ")",
        root + "(4" + dot + w.n(v.branchArea) + " / 3,14)", w.n(r.branchDiameter), metre);
    w.label("24", u"Падение давления в ответвлении"_s);
    w.formula("po", "0,017" + dot + "Kc" + dot + "Lo" + dot + gamma + dot + "vo" + squared + " / 19,6 / do",
        "0,017" + dot + w.n(v.sections.front().roughness) + dot + w.n(v.branchLength) + dot + g + dot
            + w.n(r.branchVelocity) + squared + " / 19,6 / " + w.n(r.branchDiameter),
        w.n(r.branchLoss), pascal);
}

void writeShaft(BlockWriter& w, const SmokeValues& v, const SmokeResult& r)
{
    const QByteArray g = w.n(r.smokeWeight);
    const QByteArray sh = cyr(u"ш"_s);
    for (std::size_t i = 0; i < r.sections.size(); ++i) {
        const QByteArray k = QByteArray::number(static_cast<qulonglong>(i + 1));
        const ShaftSectionFlow& f = r.sections[i];
        const Ychastok_record& s = v.sections[i];
        w.label("26." + k, u"Скорость дыма в шахте"_s);
        w.formula("v" + k + sh, "9,8" + dot + "G / 3600 / F" + k + sh + " / " + gamma,
            "9,8" + dot + w.n(r.smokeFlow) + " / 3600 / " + w.n(s.area) + " / " + g, w.n(f.velocity),
            metrePerSecond);
        w.label("27." + k, u"Диаметр шахты"_s);
        w.formula("d" + k + sh, root + "(4" + dot + "F" + k + sh + " / " + pi + ")",
            root + "(4" + dot + w.n(s.area) + " / 3,14)", w.n(f.diameter), metre);
        w.label("28." + k, u"Падение давления на "_s + QString::number(i + 1) + u"-ом участке шахты"_s);
        w.formula("p" + k + sh,
            "(0,021" + dot + "Kc" + dot + "L" + k + sh + " / d + G" + k + sh + ")" + dot + gamma + dot + "v"
                + k + sh + squared + " / 19,6",
            "(0,021" + dot + w.n(s.roughness) + dot + w.n(s.length) + " / " + w.n(f.diameter) + " + "
                + w.n(s.localCoefficient) + ")" + dot + g + dot + w.n(f.velocity) + squared + " / 19,6",
            w.n(f.pressureLoss), pascal);
    }
    w.label("29", u"Суммарное падение давления"_s);
    w.formula(sum + "pi", "pk + po + " + sum + "pi" + sh,
        w.n(r.valveLoss) + " + " + w.n(r.branchLoss) + " + " + w.n(r.shaftLoss), w.n(r.totalLoss), pascal);
    w.label("30", u"Падение давления на первом участке"_s);
    w.formula("p1", "pk + po + p1" + sh,
        w.n(r.valveLoss) + " + " + w.n(r.branchLoss) + " + " + w.n(r.sections.front().pressureLoss),
        w.n(r.firstSectionLoss), pascal);
    w.label("31", u"Подсос воздуха через клапаны"_s);
    w.formula("Gk", "40,3" + dot + "Nk" + dot + "(N - 1)" + dot + root + "(Fk" + dot + "p1)",
        "40,3" + dot + QByteArray::number(v.valvesPerFloor) + dot + "(" + QByteArray::number(v.floors)
            + " - 1)" + dot + root + "(" + w.n(v.valveArea) + dot + w.n(r.firstSectionLoss) + ")",
        w.n(r.valveLeak), kgPerHour);
    // The "с" of dс and the "у" of Nу stand as plain code-page bytes.
    const QByteArray dc = "d" + cp1251::encode(u"с"_s);
    w.label("32", u"Средний диаметр шахты"_s);
    double diameters = 0;
    for (const ShaftSectionFlow& f : r.sections)
        diameters += f.diameter;
    w.formula(dc, sum + "di" + sh + " / N" + cp1251::encode(u"у"_s),
        w.n(diameters) + " / " + QByteArray::number(static_cast<qulonglong>(r.sections.size())),
        w.n(r.meanDiameter), metre);
    // Kш follows the losses of the shaft sections, Σpш.
    w.label(r.roughShaft ? "34" : "33", u"Коэффициент подсоса воздуха через участок шахты"_s);
    const QByteArray c = r.roughShaft ? "0,012" : "0,004";
    const QByteArray exp067 = exponentFragment("0,67");
    w.formula("K" + sh, c + dot + "(" + sum + "p" + sh + ")" + exp067 + " / (" + dc + dot + "v" + sh + ")",
        c + dot + "(" + w.n(r.shaftLoss) + ")" + exp067 + " / (" + w.n(r.meanDiameter) + dot
            + w.n(r.sections.back().velocity) + ")",
        w.full(r.shaftLeakCoefficient));
}

} // namespace

void writeSmokeCalculation(
    calcreport::CalculationReport& report, const SmokeValues& v, const SmokeResult& r, QChar separator)
{
    report.startCalculationPart();
    BlockWriter w(report.calculation(), separator);
    writeSmokeFlow(w, v, r);
    writeValveAndBranch(w, v, r);
    writeShaft(w, v, r);

    const QByteArray sh = cyr(u"ш"_s);
    const QByteArray vv = cyr(u"в"_s);
    const QByteArray G = w.n(r.smokeFlow);
    const QByteArray Gk = w.n(r.valveLeak);
    const QByteArray Gsh = w.n(r.shaftLeak);
    const QByteArray Gc = w.n(r.totalFlow);
    const QByteArray rho = w.n(r.fanDensity);
    w.label("35", u"Подсос воздуха через шахту"_s);
    w.formula("G" + sh, "K" + sh + dot + "G / 100", w.full(r.shaftLeakCoefficient) + dot + G + " / 100", Gsh,
        kgPerHour);
    w.label("36", u"Суммарный расход воздуха"_s);
    w.formula("Gc", "Gk + G" + sh + " + G", Gk + " + " + Gsh + " + " + G, Gc, kgPerHour);
    w.label("37", u"Плотность газов перед вентилятором"_s);
    w.formula("p" + vv, "(G" + dot + gamma + " / 9,8 + 1,2" + dot + "(Gk + G" + sh + ")) / Gc",
        "(" + G + dot + w.n(r.smokeWeight) + " / 9,8 + 1,2" + dot + "(" + Gk + " + " + Gsh + ")) / " + Gc,
        rho, u" кг/м"_s, "\\super 3\\nosupersub ");
    w.label("38", u"Температура газов перед вентилятором"_s);
    w.formula(
        "T" + vv, "353 / p" + vv + " - 273", "353 / " + rho + " - 273", w.n(r.fanTemperature), u" °C"_s);
    w.label("39", u"Коэффициент коррекции"_s);
    const QByteArray kk = "K" + cyr(u"к"_s);
    w.formula(kk, "(1 + (Gc / G)" + squared + ") / 2", "(1 + (" + Gc + " / " + G + ")" + squared + ") / 2",
        w.n(r.correction));
    w.label("40", u"Корректированное падение давления"_s);
    const QByteArray pk = "P" + cyr(u"к"_s);
    w.formula(
        pk, kk + dot + sum + "pi", w.n(r.correction) + dot + w.n(r.totalLoss), w.n(r.correctedLoss), pascal);
    if (r.outletVelocity) {
        w.label("41", u"Скорость газов на участке отвода от вентилятора"_s);
        w.formula("Vo", "4" + dot + "Gc / " + pi + " / d" + vv + squared + " / 3600",
            "4" + dot + Gc + " / 3,14 / " + w.n(v.outletDiameter) + squared + " / 3600",
            w.n(*r.outletVelocity), metrePerSecond);
        w.label("42", u"Падение давления на участке отвода газов от вентилятора"_s);
        w.formula("Po",
            "(0,017" + dot + "L" + vv + " / d" + vv + " + (1 + Y))" + dot + "p" + dot + "Vo" + squared
                + " / 2",
            "(0,017" + dot + w.n(v.outletLength) + " / " + w.n(v.outletDiameter) + " + (1 + "
                + w.n(v.outletResistance) + "))" + dot + w.n(r.outdoorDensity) + dot + w.n(*r.outletVelocity)
                + squared + " / 2",
            w.n(r.outletLoss), pascal);
    }
    const QByteArray pt = "P" + cyr(u"т"_s);
    w.label("43", u"Давление естественной тяги"_s);
    w.formula(pt, "dH" + dot + "(1,2 - p" + vv + ")" + dot + "9,81",
        w.n(v.heightDifference) + dot + "(1,2 - " + rho + ")" + dot + "9,81", w.n(r.draught), pascal);
    w.label("44", u"Требуемый расход вентилятора"_s);
    QByteArray perHour;
    writeEscaped(perHour, u"ч"_s);
    w.formula("G" + vv, "Gc / p" + vv, Gc + " / " + rho, w.n(r.fanFlow), u" м"_s,
        "\\super 3\\nosupersub /" + perHour);
    w.label("45", u"Требуемое давление, создаваемое вентилятором"_s);
    w.formula("P" + vv, "1,2" + dot + "(" + pk + " + Po) / p" + vv + " - " + pt,
        "1,2" + dot + "(" + w.n(r.correctedLoss) + " + " + w.n(r.outletLoss) + ") / " + rho + " - "
            + w.n(r.draught),
        w.n(r.fanPressure), pascal);
    report.finishCalculationPart();
}

} // namespace smoke
