#pragma once

#include "curtains/CurtainInputs.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The built-in size tables of the curtain series: models by air flow, size indices by slot width, the
// blocks of ТЕМ and the types and blocks of ПЛН.
namespace curtains {

struct CurtainModel {
    double upToFlow; // the model serves required flows up to this, m³/h (the last one: any)
    const char* number; // "4.2" (ОРК), "6" (ТЕМ)
    double nominalFlow; // m³/h
    int largestIndex; // 1..10
};

// The model serving a required flow: ОРК and ТЕМ.
const CurtainModel& orkModelFor(double flow);
const CurtainModel& temModelFor(double flow);
// The largest required flow the table gives the model: the bound of its row, for the last row (which takes
// everything above) its nominal flow.
double servedFlow(const CurtainModel& model);

// Size indices "01".."10" by the required slot width (mm), and the slot width of an index (m). An index
// text that is not one of the ten has no slot width.
inline constexpr int sizeIndexCount = 10;
int sizeIndexFor(double slotWidthMm);
QString sizeIndexText(int index);
std::optional<double> slotWidthOfIndex(const QString& indexText);
// "01" up to the largest index: the choices of the results window.
QStringList sizeIndexChoices(int largestIndex);

// ТЕМ blocks by the smallest-section item (0 = 450 mm ... 5 = 800 mm).
struct TemBlock {
    double largestFlow; // m³/h of one block
    double smallestLength; // mm
};
const TemBlock& temBlock(int item);
inline constexpr double temBlockFlowLimit = 17000; // m³/h of one block without a section limit

// ПЛН curtain types 1..5: the specific flow per metre of curtain by the heater, and the module blocks.
struct PlnType {
    int number; // 1..5
    double specificFlow; // g, m³/h per metre of curtain
    // The largest required specific flow the table gives the type (its row's bound; g for the last row).
    double servedSpecificFlow = 0;
};
// The type for a required specific flow (m³/h per metre) and heater (none, water or electric).
PlnType plnTypeFor(double specificFlow, HeaterKind heater);

struct PlnTypeBlocks {
    double slotPlain; // slot width without heater, m
    double slotHeated; // slot width with a water or electric heater, m
    double module; // module length, m
    int modulesA; // modules in block А
    int modulesB; // modules in block Б
    double lengthA; // m
    double lengthB; // m
    double noiseA; // noise exponent of block А: one block gives 10·a dBA
    double noiseB;
};
const PlnTypeBlocks& plnTypeBlocks(int type);

} // namespace curtains
