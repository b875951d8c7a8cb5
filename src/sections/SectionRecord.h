#pragma once

#include <QString>
#include <vector>

// One section of a smoke shaft or a supply duct: the values the calculations take from a row of a
// section table.
struct Ychastok_record {
    double length = 0; // L, m
    double area = 0; // F, m²
    double localCoefficient = 0; // G, local resistance coefficient of the section's fitting
    double roughness = 0; // Kc, roughness coefficient of the material
    QString material; // name of the material
    int kind = 0; // kind of fitting (FittingKind)
};

using SectionRecords = std::vector<Ychastok_record>;
