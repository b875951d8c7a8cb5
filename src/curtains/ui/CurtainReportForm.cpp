#include "curtains/ui/CurtainReportForm.h"

#include "common/NumberText.h"
#include "curtains/CurtainTable.h"
#include "curtains/ui/JetChart.h"
#include "printing/MakerHeader.h"
#include "ui/SharedWindows.h"
#include "ui/report/CustomPlot.h"
#include "ui/report/ReportChart.h"

using namespace Qt::StringLiterals;
using namespace curtains;

namespace {

using report::boldText;
using report::TextStyle;

constexpr double printableWidth = 210.0 - 2 * 12.7;
constexpr double chartTop = 26.0;
constexpr double chartHeight = 92.0;
constexpr double chartWidth = 152.6;
constexpr double lineHeight = 4.8;
constexpr double captionWidth = 118.0;
// ПЛН's block table: caption column and two block columns.
constexpr double blockCaptionWidth = 100.0;
constexpr double blockColumnWidth = (printableWidth - blockCaptionWidth) / 2;
constexpr double blockRowHeight = 6.0;
constexpr int blockRows = 11;
constexpr int heaterRowsFrom = 8;

TextStyle wrapped(double pointSize, Qt::Alignment alignment)
{
    TextStyle s = boldText(pointSize, alignment);
    s.wordWrap = true;
    return s;
}

int lineCount(Series series)
{
    switch (series) {
    case Series::Ork:
        return 26;
    case Series::Tem:
        return 28;
    case Series::Pln:
        break;
    }
    return 16;
}

QString captionName(int line)
{
    return u"QRLabelCaption%1"_s.arg(line);
}

QString valueName(int line)
{
    return u"QRLabelValue%1"_s.arg(line);
}

QString blockCellName(int row, int column)
{
    return u"QRLabelBlock%1_%2"_s.arg(row).arg(column);
}

QString blockFrameName(int row, int column)
{
    return u"QRFrameBlock%1_%2"_s.arg(row).arg(column);
}

QRectF blockCellRect(int row, int column)
{
    const double left = column == 0 ? 0.0 : blockCaptionWidth + (column - 1) * blockColumnWidth;
    return {left, row * blockRowHeight, column == 0 ? blockCaptionWidth : blockColumnWidth, blockRowHeight};
}

QString objectNameOf(Series series)
{
    switch (series) {
    case Series::Ork:
        return u"QRep_VozdZavesaORK"_s;
    case Series::Tem:
        return u"QRep_VozdZavesaTEM"_s;
    case Series::Pln:
        break;
    }
    return u"QRep_VozdZavesaPLN"_s;
}

} // namespace

CurtainReportForm::CurtainReportForm(Series series, QWidget* parent)
    : report::ReportHostWindow(parent)
    , m_series(series)
    , m_chart(new QCustomPlot(this))
    , m_lineCount(lineCount(series))
{
    setObjectName(objectNameOf(series));
    setWindowTitle(u"Вывод результатов расчета"_s);
    m_chart->setObjectName(u"QRChart1"_s);
    m_chart->resize(760, 460);
    m_chart->hide(); // printed only
    prepareJetChart(m_chart);
    buildLayout();
}

TQRep_VozdZavesaORK::TQRep_VozdZavesaORK(QWidget* parent)
    : CurtainReportForm(Series::Ork, parent)
{
}

TQRep_VozdZavesaTEM::TQRep_VozdZavesaTEM(QWidget* parent)
    : CurtainReportForm(Series::Tem, parent)
{
}

TQRep_VozdZavesaPLN::TQRep_VozdZavesaPLN(QWidget* parent)
    : CurtainReportForm(Series::Pln, parent)
{
}

CurtainReportForm* curtainReportForm(ui::SharedWindows& windows, Series series)
{
    switch (series) {
    case Series::Ork:
        return windows.get<TQRep_VozdZavesaORK>();
    case Series::Tem:
        return windows.get<TQRep_VozdZavesaTEM>();
    case Series::Pln:
        break;
    }
    return windows.get<TQRep_VozdZavesaPLN>();
}

void CurtainReportForm::buildLayout()
{
    report::Report& r = report();
    r.page = report::PageSetup::a4({12.7, 12.7, 12.7, 12.7});
    r.title = u"Характеристики воздушной завесы:"_s;

    report::ReportBand& head = r.band(report::BandKind::PageHeader, chartTop + chartHeight + 3.0);
    head.add<report::ReportPicture>(QRectF(0, 0, 23.8, 11.9)).setImage(report::makerLogo());
    head.add<report::ReportLabel>(QRectF(36, 0.5, 120, 7), report::makerLine(), boldText(12));
    head.add<report::ReportLabel>(QRectF(36, 7.5, 80, 5), report::makerWebAddress(), boldText(9));
    head.add<report::ReportLine>(QLineF(0, 16, printableWidth, 16), 0.4);
    head.add<report::ReportLabel>(QRectF(0, 18, 80, 7), u"Характеристики воздушной завесы:"_s, boldText(12));
    head.add<report::ReportLabel>(QRectF(81, 18, printableWidth - 81, 7), QString(), boldText(12))
        .setName(u"QRLabelName"_s);
    head.add<report::ReportFrame>(
        QRectF((printableWidth - chartWidth) / 2, chartTop, chartWidth, chartHeight));
    head.add<report::ReportChart>(
        QRectF((printableWidth - chartWidth) / 2 + 0.5, chartTop + 0.5, chartWidth - 1, chartHeight - 1),
        m_chart);

    const double linesHeight = m_lineCount * lineHeight;
    const double tableTop = linesHeight + 3.0;
    const double bodyHeight
        = m_series == Series::Pln ? tableTop + blockRows * blockRowHeight + 2.0 : linesHeight + 2;
    report::ReportBand& body = r.band(report::BandKind::Detail, bodyHeight);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    for (int line = 0; line < m_lineCount; ++line) {
        const double top = line * lineHeight;
        body.add<report::ReportLabel>(QRectF(0, top, captionWidth, lineHeight), QString(), boldText(8, right))
            .setName(captionName(line));
        body.add<report::ReportLabel>(
                QRectF(captionWidth + 2, top, printableWidth - captionWidth - 2, lineHeight), QString(),
                boldText(8))
            .setName(valueName(line));
    }
    if (m_series != Series::Pln)
        return;
    for (int row = 0; row < blockRows; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QRectF cell = blockCellRect(row, column).translated(0, tableTop);
            body.add<report::ReportFrame>(cell).setName(blockFrameName(row, column));
            body.add<report::ReportLabel>(cell.adjusted(1, 0, -1, 0), QString(),
                    column == 0 ? wrapped(7, Qt::AlignLeft | Qt::AlignVCenter) : boldText(8, Qt::AlignCenter))
                .setName(blockCellName(row, column));
        }
    }
}

report::ReportLabel* CurtainReportForm::label(const QString& name) const
{
    return report().elementAs<report::ReportLabel>(name);
}

QString CurtainReportForm::labelText(const QString& name) const
{
    const report::ReportLabel* l = label(name);
    return l ? l->text() : QString();
}

void CurtainReportForm::setLines(const std::vector<TextLine>& lines)
{
    for (int line = 0; line < m_lineCount; ++line) {
        const bool filled = line < static_cast<int>(lines.size());
        label(captionName(line))->setText(filled ? lines[static_cast<std::size_t>(line)].caption : QString());
        label(valueName(line))->setText(filled ? lines[static_cast<std::size_t>(line)].value : QString());
    }
}

void CurtainReportForm::showRun(const QString& projectName, const CurtainRun& run)
{
    drawJet(m_chart, run.jet, run.inputs.side);
    fillPrinted(projectName, run);
}

void CurtainReportForm::fillPrinted(const QString& projectName, const CurtainRun& run)
{
    const QChar sep = systemDecimalSeparator();
    label(u"QRLabelName"_s)->setText(run.designation);
    if (m_series == Series::Pln) {
        setLines(plnReportLines(run, projectName, sep));
        setBlockTable(run);
    } else {
        setLines(curtainReportLines(run, projectName, sep));
    }
}

void CurtainReportForm::setBlockTable(const CurtainRun& run)
{
    const std::vector<QString> captions = plnBlockCaptions(run);
    const std::vector<PlnBlockColumn> columns = plnBlockColumns(run, systemDecimalSeparator());
    const int heaterRowsInUse = run.inputs.heater == HeaterKind::Water ? 3
        : run.inputs.heater == HeaterKind::Electric                    ? 1
                                                                       : 0;
    const double tableTop = m_lineCount * lineHeight + 3.0;
    const QRectF offPage(-1000, -1000, 0, 0); // a frame not drawn
    for (int row = 0; row < blockRows; ++row) {
        label(blockCellName(row, 0))->setText(captions[static_cast<std::size_t>(row)]);
        for (int column = 1; column < 3; ++column) {
            const std::size_t c = static_cast<std::size_t>(column - 1);
            label(blockCellName(row, column))
                ->setText(c < columns.size() ? columns[c].cells[static_cast<std::size_t>(row)] : QString());
        }
        // Frames of heater rows only for the rows in use.
        const bool framed = row < heaterRowsFrom || row - heaterRowsFrom < heaterRowsInUse;
        for (int column = 0; column < 3; ++column) {
            auto* frame = report().elementAs<report::ReportFrame>(blockFrameName(row, column));
            frame->setGeometryMm(framed ? blockCellRect(row, column).translated(0, tableTop) : offPage);
        }
    }
}

void CurtainReportForm::previewModal()
{
    report().previewModal();
}
