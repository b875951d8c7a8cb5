#pragma once

#include "curtains/CurtainCalc.h"
#include "curtains/CurtainTable.h"
#include "ui/report/ReportHostWindow.h"

class QCustomPlot;

namespace report {
class ReportLabel;
}
namespace ui {
class SharedWindows;
}

// The printed form of a curtain series ("Характеристики воздушной завесы:"): the maker's head, the jet chart,
// the inputs and results line by line and, for ПЛН, the table of its blocks. One shared window per series,
// filled partly by the calculation (chart and inputs) and partly by "Печать".
class CurtainReportForm : public report::ReportHostWindow {
    Q_OBJECT
public:
    // The calculation's part: the chart and the input lines.
    void showRun(const QString& projectName, const curtains::CurtainRun& run);
    // "Печать"'s part: every line, the catalogue data and the block table.
    void fillPrinted(const QString& projectName, const curtains::CurtainRun& run);
    void previewModal();

    QString labelText(const QString& name) const;
    QCustomPlot* chart() const { return m_chart; }

protected:
    CurtainReportForm(curtains::Series series, QWidget* parent);

private:
    void buildLayout();
    void setLines(const std::vector<curtains::TextLine>& lines);
    void setBlockTable(const curtains::CurtainRun& run);
    report::ReportLabel* label(const QString& name) const;

    curtains::Series m_series;
    QCustomPlot* m_chart = nullptr;
    int m_lineCount = 0;
};

class TQRep_VozdZavesaORK : public CurtainReportForm {
    Q_OBJECT
public:
    explicit TQRep_VozdZavesaORK(QWidget* parent = nullptr);
};

class TQRep_VozdZavesaTEM : public CurtainReportForm {
    Q_OBJECT
public:
    explicit TQRep_VozdZavesaTEM(QWidget* parent = nullptr);
};

class TQRep_VozdZavesaPLN : public CurtainReportForm {
    Q_OBJECT
public:
    explicit TQRep_VozdZavesaPLN(QWidget* parent = nullptr);
};

CurtainReportForm* curtainReportForm(ui::SharedWindows& windows, curtains::Series series);
