#pragma once

#include "ui/report/ReportHostWindow.h"
#include "unit/UnitHandover.h"

#include <QStringList>
#include <utility>
#include <vector>

// The printed assembled unit: the unit's inputs, its pieces in the arrangement order with the picture strip,
// one table row per piece of the arrangement's working table, the fan's figures, the heater's and the
// cooler's data. One host for the whole program, filled anew for every printout.
class TQRep_Pritoch : public report::ReportHostWindow {
    Q_OBJECT
public:
    explicit TQRep_Pritoch(QWidget* parent = nullptr);

    // Fills the form for the unit whose arrangement is stored, its list lines in the order shown.
    void fillUnit(const unit::UnitHandover& handover, const std::vector<std::pair<QString, QString>>& figures,
        const QStringList& lines);
    // Fills the form and runs the preview.
    void printUnit(const unit::UnitHandover& handover,
        const std::vector<std::pair<QString, QString>>& figures, const QStringList& lines);

    QString text(const QString& label) const; // the text of a named label
    bool isShown(const QString& element) const; // whether a named element prints
    QString slotFile(int slot) const; // the picture file of a printed strip slot

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    void setText(const QString& label, const QString& text);
    void setShown(const QString& element, bool shown);
    void fillStrip(const QStringList& lines, const QString& ductSize);
    void fillHeater(const unit::UnitHandover& handover);
    void fillCooler(const unit::UnitHandover& handover, const std::optional<QString>& condensingUnit);

    std::vector<QString> m_slotFiles;
};
