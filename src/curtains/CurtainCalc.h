#pragma once

#include "curtains/CurtainCatalogue.h"
#include "curtains/CurtainDesign.h"
#include "curtains/CurtainHeatBalance.h"
#include "curtains/CurtainInputs.h"
#include "curtains/JetTrajectory.h"

#include <QString>
#include <optional>

// The calculation of an air curtain of any series: checks, design quantities, the choice of the curtain
// (ОРК model and size index, ТЕМ blocks, ПЛН type and gate composition), its jet, heat balance, heater
// and designation.
namespace curtains {

// What the choice of the curtain fixed; the results window keeps it to recompute for another index.
struct CurtainChoice {
    QString model; // ОРК "4.2", ТЕМ "6", ПЛН type "4"
    QString index; // size index "01".."10" (ОРК, ТЕМ)
    int largestIndex = 0; // the model's largest index (ОРК, ТЕМ)
    double slot = 0; // slot width b, m
    double flow = 0; // air flow of the curtain (each unit of a two-post curtain), m³/h
    int blockCount = 1; // ТЕМ: identical blocks n
    int smallestBlockItem = temLargestBlockItem; // ТЕМ: the section limit after lowering it
    int blocksA = 0, blocksB = 0; // ПЛН: blocks А and Б
    double assembledLength = 0; // ПЛН: length of the blocks together, m
    double specificFlow = 0; // ПЛН: g, m³/h per metre
    // The largest required flow the selection tables let this curtain serve, m³/h (same basis as `flow`).
    double servedFlow = 0;
};

// Heater of the chosen curtain, for each unit of a two-post curtain. ОРК and ТЕМ compute it from the heater
// rise; ПЛН adds up the catalogue data of its blocks.
struct CurtainHeater {
    double output = 0; // heat output, kW
    std::optional<double> waterFlow; // largest water (or steam) flow, kg/h
    std::optional<double> waterLoss; // water pressure drop, kPa
    std::optional<double> power; // electric power, kW
};

struct CurtainRun {
    CurtainInputs inputs;
    CurtainDesign design;
    CurtainChoice choice;
    JetPath jet;
    HeatBalance balance;
    std::optional<CurtainHeater> heater;
    std::optional<CurtainModelRecord> record; // ОРК, ТЕМ
    std::optional<PlnBlockRecord> blockA, blockB; // ПЛН, the blocks in use
    QString designation;
    QString composition; // ПЛН: "(Блоков Б - 2шт.)"
    std::optional<double> soundPressure; // ТЕМ, ПЛН: all blocks together, dBA
};

struct CurtainOutcome {
    std::optional<CurtainRun> run; // empty when refused
    CurtainRefusal refusal;
    // What was computed before a refusal that came after the jet (no efficiency), for reports of it.
    std::optional<CurtainRun> partial;
    int smallestBlockItem = temLargestBlockItem; // ТЕМ: the section limit as the choice left it
};

// The whole calculation from checked or unchecked inputs. A store that fails throws CatalogueError.
CurtainOutcome calculateCurtain(
    const CurtainInputs& in, const CurtainCatalogue& catalogue, QChar decimalSeparator);

// The same curtain with another size index (ОРК, ТЕМ): every other value as before, the index not capped to
// the model's largest. An index that is not one of "01".."10" is refused.
CurtainOutcome reindexCurtain(
    const CurtainRun& previous, const QString& index, const CurtainCatalogue& catalogue);

// The message of a curtain whose air flow falls short of the required flow beyond what the selection
// tables allow the chosen curtain (e.g. ТЕМ blocks held to a small section); empty when it serves the
// required flow. Flows are written as whole numbers.
QString curtainShortfallMessage(const CurtainRun& run);

// ТЕМ blocks for a required flow: the count of blocks, the flow the model is chosen for, and the section
// limit as lowered; a refusal when no block of the limit fits the gate.
struct TemBlocks {
    int count = 1;
    double modelFlow = 0; // m³/h
    int smallestBlockItem = temLargestBlockItem;
    std::optional<CurtainRefusal> refusal;
};
TemBlocks temBlocks(const CurtainInputs& in, double requiredFlow);

// ПЛН gate composition from blocks А and Б along the length L (m).
struct PlnComposition {
    int blocksA = 0, blocksB = 0;
    double length = 0; // m
    std::optional<CurtainRefusal> refusal;
};
PlnComposition plnComposition(int type, double gateLength, bool mayExtend);

} // namespace curtains
