#pragma once

#include "fans/CurveCell.h"

#include <QString>
#include <array>

// One fan model of a catalogue table (general-ventilation or smoke-exhaust), as read once into memory.
struct FanRecord {
    static constexpr int maxPoints = 20;
    static constexpr int curveColumnCount = 80;

    QString name; // series name, cut to 25 characters
    bool krugl = false; // round duct connection
    bool krysh = false; // roof fan
    bool podpor = false; // pressurization fan
    int a = 0; // duct connection, mm
    int b = 0;
    int d = 0; // impeller diameter, mm
    int n = 0; // rpm
    int polus = 0; // motor poles
    bool fazkol = false; // three-phase motor
    bool davlen = false; // pressure points are total pressure
    bool autoName = true;
    QString manualName;
    bool logMarks = false;
    double marksPosition = 0;
    double money = 0;
    double money600 = 0; // smoke-exhaust fans only
    bool stoikost = false; // smoke-exhaust fans only: rated for 600 °C
    double lpaInput = 0;
    double lpaOutput = 0;
    double lpaArround = 0;
    double massa = 0;
    double dlina = 0;
    QString ny; // installed motor power, kW, as text

    // Curve columns "1".."80" as stored: empty columns stay empty so that copies keep them empty.
    std::array<CurveCell, curveColumnCount> columns {};
    // Number of curve points: flows 1..pointCount are all present.
    int pointCount = 0;

    double flow(int i) const { return columns[i].value_or(0); } // i = 0..19
    double pressure(int i) const { return columns[20 + i].value_or(0); }
    double power(int i) const { return columns[40 + i].value_or(0); }
    double extra(int i) const { return columns[60 + i].value_or(0); }
};
