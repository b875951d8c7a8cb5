#pragma once

#include <QChar>
#include <QString>
#include <optional>

// The inputs of the three air-curtain windows (series ОРК, ТЕМ and ПЛН "Тэрна"): as the window holds them
// (box texts and item indices, the form the project files and stored inputs keep) and as numbers for the
// calculation, with the one reading that turns the first into the second for the window and zfn-cli.
namespace curtains {

enum class Series { Ork, Tem, Pln };

enum class HeaterKind { None, Water, Steam, Electric };

// The input a refusal is about, so that the window can put the focus there.
enum class CurtainField { None, B, H, Tv, Tn, Tc, V, Tw1, Tw2 };

// Building types of the gate's building; k = 0.2, 0.5 or 0.8.
inline constexpr int buildingTypeCount = 3;
// Items of the smallest-block-section choice of ТЕМ: 450, 500, 550, 600, 700 and 800 mm.
inline constexpr int temBlockLimitCount = 6;
inline constexpr int temLargestBlockItem = temBlockLimitCount - 1;

struct CurtainInputs {
    Series series = Series::Ork;
    double B = 3; // gate width, m
    double H = 2; // gate height, m
    double tv = 20; // indoor air, °C
    double tn = -20; // outdoor air, °C
    double tc = 14; // mean jet temperature, °C
    double v = 4; // wind, m/s
    double tw1 = 80; // water in, °C
    double tw2 = 40; // water out, °C
    int buildingType = 0; // 0..2
    bool side = true; // side curtain; false: top curtain
    bool onePost = true; // side curtain on one post; false: one unit on each side
    HeaterKind heater = HeaterKind::None;
    bool threeRows = false; // water or steam heater of three rows (ОРК, ТЕМ)
    bool reducedPower = false; // electric heater at its reduced step (ОРК)
    bool blockLimit = false; // ТЕМ: the block section is limited
    int smallestBlockItem = temLargestBlockItem; // ТЕМ: the limit, an item of the 450..800 mm choice
    bool mayExtend = true; // ПЛН: the assembled curtain may be longer than the gate
};

CurtainInputs defaultCurtainInputs(Series series);

// The window's inputs as typed: the boxes' texts and the radio groups' item indices. A new window's inputs
// are defaultCurtainProject(); the choices a series does not have keep the values given here.
struct CurtainProject {
    QString projectName;
    qint32 buildingType = 0; // RadioGroupTip
    QString B;
    QString H;
    QString tv;
    QString tn;
    QString tc;
    QString v;
    qint32 placement = 0; // RadioGroupb_v: 0 side, 1 top
    qint32 posts = 0; // RadioGroupb1_b2: 0 one post, 1 two posts
    qint32 heaterType = 0; // RG_Tip
    qint32 heaterRows = 0; // RG_2_3: 0 two rows, 1 three rows
    qint32 powerStep = 0; // RG_P1_P2: 0 nominal, 1 reduced
    QString tw1;
    QString tw2;
    qint32 blockLimit = 1; // RG: 0 "ДА", 1 "НЕТ"
    qint32 smallestBlock = temLargestBlockItem; // RG_I
    bool mayExtend = true; // RB_YES

    bool operator==(const CurtainProject&) const = default;
};

// The inputs of a new window of the series, as its input description states them.
CurtainProject defaultCurtainProject(Series series);

// Items of each radio group of a series and its default item; an index outside its group reads as the
// default (a project or stored value from elsewhere never selects nothing).
int heaterItemCount(Series series);
HeaterKind heaterKind(Series series, int heaterItem);
int validItem(int index, int count, int defaultItem);
CurtainProject withValidItems(CurtainProject project, Series series);

// Whether the water temperatures are read: only for the water heater.
bool readsWaterTemperatures(Series series, int heaterItem);

struct CurtainReading {
    std::optional<CurtainInputs> inputs; // empty when a number could not be read
    CurtainField field = CurtainField::None; // the box that could not be read
    QString text; // its text as typed
};

// Reads the numbers by the input description in the window's order (curtainNumberOrder); the first text
// that is not a number stops the reading.
CurtainReading readCurtainInputs(const CurtainProject& project, Series series, QChar decimalSeparator);

} // namespace curtains
