#pragma once

#include "sections/SectionTable.h"

#include <QString>

// The inputs of the smoke-exhaust calculation window as the user left them: the choices and the box
// texts as typed, and the shaft-section table. The defaults are those of a new window. This is what
// the project file holds, and what the page steps read.
namespace smoke {

enum class Combustible { Liquids = 0, Solids, Fibres, Paper };
enum class FanType { Roof = 0, Other };

struct SmokeProject {
    // Page 1
    QString projectName;
    bool residential = true; // RB_G "Жилое"
    bool otherBuilding = false; // RB_D "Другое"
    bool corridor = true; // RB_X "Коридор, холл"
    bool room = false; // RB_P "Помещение"
    bool reservoir = true; // RB_R "Резервуар дыма"
    bool sprinkler = false; // RB_C "Оборудовано спринклерной системой"
    bool bySnip = true; // RB_SNIP "- СНиП"
    bool byRecommendation = false; // RB_NoSnip "- рекомендациям"
    QString doorHeight = QStringLiteral("2"); // Input_H
    QString doorWidth = QStringLiteral("1"); // Input_B
    QString roomArea = QStringLiteral("500"); // Input_A
    QString roomHeight = QStringLiteral("4"); // Input_hh
    QString curtainHeight = QStringLiteral("2"); // Input_Yz
    QString firePerimeter = QStringLiteral("0"); // Input_Pf
    // Page 2
    QString heightDifference = QStringLiteral("3"); // Input_dH
    QString evacuees = QStringLiteral("30"); // Input_Ke
    QString outdoorTemperature = QStringLiteral("15"); // Input_Tn
    QString windSpeed = QStringLiteral("2"); // Input_V
    QString doorCount = QStringLiteral("1"); // Input_Kd
    QString doorArea1 = QStringLiteral("2"); // Input_Ad1
    QString doorArea2 = QStringLiteral("2"); // Input_Ad2
    QString doorArea3 = QStringLiteral("2"); // Input_Ad3
    qint32 combustible = 0; // RB_2_4, Combustible
    // Page 3
    QString valvesPerFloor = QStringLiteral("1"); // Input_Nk
    bool branchValves = true; // RB_3_Otv "Да"
    bool noBranchValves = false; // RB_3_Otv_without "Нет"
    QString branchLength = QStringLiteral("10"); // Input_Lo
    QString branchArea = QStringLiteral("1"); // Input_Fo
    QString valveName; // Input_Name_Klapan
    QString valveArea = QStringLiteral("1"); // Input_Fk
    QString floors = QStringLiteral("25"); // Input_N
    qint32 shaftEntry = 0; // RG_3_1: 0 "- 90 градусов", 1 "- меньше 90 градусов"
    qint32 grille = 0; // RG_3_2: 0 "- Да", 1 "- Нет"
    // Page 4
    sections::SectionTable sections; // StringGrid_Ychastki
    // Page 5
    qint32 fanType = 0; // RG_5_1, FanType
    QString fanOutletHeight = QStringLiteral("2"); // Input_hv
    QString outletLength = QStringLiteral("4"); // Input_Lv
    QString outletDiameter = QStringLiteral("1"); // Input_dv
    QString outletResistance = QStringLiteral("1"); // Input_Gamma_Sopr

    bool operator==(const SmokeProject&) const = default;
};

} // namespace smoke
