#pragma once

#include "sections/SectionTable.h"

#include <QString>

// The inputs of the smoke-exhaust calculation window as the user left them: the choices and the box
// texts as typed, and the shaft-section table. This is what the project file holds, and what the page
// steps read. A new window's inputs are defaultSmokeProject() (smoke/SmokeForm.h).
namespace smoke {

enum class Combustible { Liquids = 0, Solids, Fibres, Paper };
enum class FanType { Roof = 0, Other };

struct SmokeProject {
    // Page 1
    QString projectName;
    bool residential = false; // RB_G "Жилое"
    bool otherBuilding = false; // RB_D "Другое"
    bool corridor = false; // RB_X "Коридор, холл"
    bool room = false; // RB_P "Помещение"
    bool reservoir = false; // RB_R "Резервуар дыма"
    bool sprinkler = false; // RB_C "Оборудовано спринклерной системой"
    bool bySnip = false; // RB_SNIP "- СНиП"
    bool byRecommendation = false; // RB_NoSnip "- рекомендациям"
    QString doorHeight; // Input_H
    QString doorWidth; // Input_B
    QString roomArea; // Input_A
    QString roomHeight; // Input_hh
    QString curtainHeight; // Input_Yz
    QString firePerimeter; // Input_Pf
    // Page 2
    QString heightDifference; // Input_dH
    QString evacuees; // Input_Ke
    QString outdoorTemperature; // Input_Tn
    QString windSpeed; // Input_V
    QString doorCount; // Input_Kd
    QString doorArea1; // Input_Ad1
    QString doorArea2; // Input_Ad2
    QString doorArea3; // Input_Ad3
    qint32 combustible = 0; // RB_2_4, Combustible
    // Page 3
    QString valvesPerFloor; // Input_Nk
    bool branchValves = false; // RB_3_Otv "Да"
    bool noBranchValves = false; // RB_3_Otv_without "Нет"
    QString branchLength; // Input_Lo
    QString branchArea; // Input_Fo
    QString valveName; // Input_Name_Klapan
    QString valveArea; // Input_Fk
    QString floors; // Input_N
    qint32 shaftEntry = 0; // RG_3_1: 0 "- 90 градусов", 1 "- меньше 90 градусов"
    qint32 grille = 0; // RG_3_2: 0 "- Да", 1 "- Нет"
    // Page 4
    sections::SectionTable sections; // StringGrid_Ychastki
    // Page 5
    qint32 fanType = 0; // RG_5_1, FanType
    QString fanOutletHeight; // Input_hv
    QString outletLength; // Input_Lv
    QString outletDiameter; // Input_dv
    QString outletResistance; // Input_Gamma_Sopr

    bool operator==(const SmokeProject&) const = default;
};

} // namespace smoke
