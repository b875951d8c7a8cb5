#pragma once

#include "common/StoreTable.h"
#include "curtains/CurtainInputs.h"

#include <QString>
#include <functional>
#include <optional>

// The curtain tables of the alias Pritoshka: KRT_ORK and TEM (one record per model) and PLN (one record
// per block).
namespace curtains {

// One model of ОРК or ТЕМ. Numbers a record leaves empty read as 0.
struct CurtainModelRecord {
    QString name; // "ОРК-4.2", "ТЕМ-6"
    QString section; // Sechenie: air distributor section "A*B", mm
    double flow = 0; // Rasxod, m³/h
    double motorPower = 0; // Moschnost_Dvig, kW
    double noise = 0; // ldBA, dBA
    double waterLoss2 = 0; // Davlen_2X: water pressure drop of the 2-row heater, kPa
    double waterLoss3 = 0; // Davlen_3X, kPa
    double electricNominal = 0; // Moschnost_Elektr_1, kW (ОРК)
    double electricReduced = 0; // Moschnost_Elektr_2, kW (ОРК)
};

// One block of ПЛН.
struct PlnBlockRecord {
    QString name; // "ПЛН3БВ"
    QString section; // Sechenie
    double length = 0; // Dlina, mm
    double flow = 0; // Rasxod, m³/h
    double motorPower = 0; // Moschnost, kW
    double noise = 0; // LdBA, dBA
    double mass = 0; // Massa, kg
    double heaterPower = 0; // Moschnost_nagrev, kW
    double waterFlow = 0; // Rasxod_voda, kg/h
    double waterLoss = 0; // Davlen_voda, kPa
};

// Where the calculation finds its records: the store in the program, a table of records in tests. A record
// that is not there is nothing; a store that fails throws CatalogueError.
struct CurtainCatalogue {
    std::function<std::optional<CurtainModelRecord>(Series series, const QString& name)> model;
    std::function<std::optional<PlnBlockRecord>(const QString& name)> block;
};

// The tables read through the alias Pritoshka with bound statements.
CurtainCatalogue storeCurtainCatalogue();

// Table names and their definitions, for building the bundled catalogue.
QString curtainTableName(Series series); // "krt_ork", "tem", "pln" (KRT_ORK.DB, TEM.DB, PLN.DB)
std::optional<store::TableDef> knownCurtainTableDef(const QString& tableName);

} // namespace curtains
