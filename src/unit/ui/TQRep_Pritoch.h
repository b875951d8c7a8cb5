#pragma once

#include "ui/report/ReportHostWindow.h"
#include "unit/UnitHandover.h"
#include "unit/print/UnitPrintout.h"

#include <QStringList>
#include <utility>
#include <vector>

// The host of the printed assembled unit (see unit/print/UnitPrintout.h). One host for the whole program,
// filled anew for every printout.
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

    QString text(const QString& label) const { return m_printout.text(label); }
    bool isShown(const QString& element) const { return m_printout.isShown(element); }
    QString slotFile(int slot) const { return m_printout.slotFile(slot); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    unitprint::UnitPrintout m_printout;
};
