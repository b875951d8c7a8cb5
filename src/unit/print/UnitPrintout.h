#pragma once

#include "unit/ElementRecords.h"
#include "unit/UnitHandover.h"
#include "unit/UnitScheme.h"

#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

namespace report {
class ReportLayout;
}

// The printed assembled unit: the unit's inputs, its pieces in the arrangement order with the picture strip,
// one table row per piece of the arrangement's working table, the fan's figures, the heater's and the
// cooler's data. Drawn without windows, so the unit window and zfn-cli print the same pages.
namespace unitprint {

// What the printout shows.
struct UnitPrintContent {
    unit::UnitHandover handover;
    std::vector<std::pair<QString, QString>> figures; // the fan's figures: caption, value
    QStringList lines; // the arrangement's list lines in the order shown
    std::vector<unit::SchemeRow> rows; // the arrangement's working table
    std::optional<QString> condensingUnit; // the condensing unit the arrangement holds
    std::optional<unit::CondensingUnitRecord> condensing; // its catalogue record, when the catalogue has it
};

// The arrangement's rows from the working database and the condensing unit's record from the catalogue.
// Throws CatalogueError; what was read before the error stays in `content`.
void readArrangement(UnitPrintContent& content);

// The form of the printed unit on a report layout; the layout's detail band prints the rows of the
// arrangement's working table (unit::reportOrderTableName(), in PoryadokNum order).
class UnitPrintout {
public:
    // Builds the form's page set-up, bands and named elements on `layout`, which must outlive the printout.
    explicit UnitPrintout(report::ReportLayout& layout);

    // Fills the form; returns the messages of pictures that could not be read (the strip stops there).
    QStringList fill(const UnitPrintContent& content);

    QString text(const QString& label) const; // the text of a named label
    bool isShown(const QString& element) const; // whether a named element prints
    QString slotFile(int slot) const; // the picture file of a printed strip slot

private:
    void setText(const QString& label, const QString& text);
    void setShown(const QString& element, bool shown);
    QStringList fillStrip(const QStringList& lines, const QString& ductSize);
    void fillHeater(const unit::UnitHandover& handover);
    void fillCooler(const UnitPrintContent& content);

    report::ReportLayout& m_layout;
    std::vector<QString> m_slotFiles;
};

// Writes the printed unit into a PDF file (atomically), its table rows read from the arrangement's working
// table. Returns what went wrong: pictures that could not be read (the file is written all the same), the
// table that could not be read or the file that could not be written; nothing when all went well.
QStringList writeUnitPdf(const UnitPrintContent& content, const QString& path);

} // namespace unitprint
