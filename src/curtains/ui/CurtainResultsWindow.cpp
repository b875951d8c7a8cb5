#include "curtains/ui/CurtainResultsWindow.h"

#include "common/NumberText.h"
#include "common/StoreError.h"
#include "curtains/CurtainSizes.h"
#include "curtains/CurtainTable.h"
#include "curtains/ui/CurtainReportForm.h"
#include "curtains/ui/JetChart.h"
#include "ui/Messages.h"
#include "ui/Program.h"
#include "ui/ResultsButtons.h"
#include "ui/SharedWindows.h"
#include "ui/report/CustomPlot.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace curtains;

namespace {

int gridRows(Series series)
{
    switch (series) {
    case Series::Ork:
        return 8;
    case Series::Tem:
        return 9;
    case Series::Pln:
        break;
    }
    return 10;
}

QString objectNameOf(Series series)
{
    switch (series) {
    case Series::Ork:
        return u"FormVozdZavesaResORK"_s;
    case Series::Tem:
        return u"FormVozdZavesaResTEM"_s;
    case Series::Pln:
        break;
    }
    return u"FormVozdZavesaResPLN"_s;
}

} // namespace

CurtainResultsWindow::CurtainResultsWindow(ui::Program& program, Series series, QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
    , m_program(program)
    , m_series(series)
    , m_grid(new QTableWidget(gridRows(series), 2, this))
    , m_chart(new QCustomPlot(this))
{
    setObjectName(objectNameOf(series));
    setWindowTitle(u"Результаты расчета: "_s);
    resize(760, 700);

    auto* group = new QGroupBox(u" Результаты расчета: "_s, this);
    auto* groupLayout = new QVBoxLayout(group);
    m_grid->setObjectName(u"StringGridRes"_s);
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setWordWrap(false);
    m_grid->setFocusPolicy(Qt::NoFocus);
    m_grid->setColumnWidth(0, 330);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setFixedHeight(m_grid->rowCount() * 20 + 4);
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        for (int column = 0; column < 2; ++column) {
            auto* item = new QTableWidgetItem;
            if (column == 0)
                item->setBackground(QColor(0xF0, 0xF0, 0xF0));
            m_grid->setItem(row, column, item);
        }
    }
    groupLayout->addWidget(m_grid);

    if (series != Series::Pln) {
        m_index = new QComboBox(group);
        m_index->setObjectName(u"Input_bb"_s);
        m_index->setEditable(true);
        m_index->setMinimumWidth(70);
        auto* indexRow = new QHBoxLayout;
        auto* label = new QLabel(u"Индекс завесы:"_s, group);
        label->setBuddy(m_index);
        indexRow->addWidget(label);
        indexRow->addWidget(m_index);
        indexRow->addStretch(1);
        groupLayout->addLayout(indexRow);
        m_index->setInsertPolicy(QComboBox::NoInsert);
        connect(m_index, &QComboBox::textActivated, this, &CurtainResultsWindow::changeIndex);
        connect(m_index->lineEdit(), &QLineEdit::editingFinished, this, &CurtainResultsWindow::changeIndex);
    }

    m_chart->setObjectName(u"Chart1"_s);
    m_chart->setMinimumHeight(330);
    prepareJetChart(m_chart);
    groupLayout->addWidget(m_chart, 1);

    ui::layOutResultsWindow(this, group, [this] { print(); });
}

TFormVozdZavesaResORK::TFormVozdZavesaResORK(ui::Program& program, QWidget* parent)
    : CurtainResultsWindow(program, Series::Ork, parent)
{
}

TFormVozdZavesaResTEM::TFormVozdZavesaResTEM(ui::Program& program, QWidget* parent)
    : CurtainResultsWindow(program, Series::Tem, parent)
{
}

TFormVozdZavesaResPLN::TFormVozdZavesaResPLN(ui::Program& program, QWidget* parent)
    : CurtainResultsWindow(program, Series::Pln, parent)
{
}

CurtainResultsWindow* curtainResultsWindow(ui::SharedWindows& windows, Series series)
{
    switch (series) {
    case Series::Ork:
        return windows.get<TFormVozdZavesaResORK>();
    case Series::Tem:
        return windows.get<TFormVozdZavesaResTEM>();
    case Series::Pln:
        break;
    }
    return windows.get<TFormVozdZavesaResPLN>();
}

QString CurtainResultsWindow::cellText(int row, int column) const
{
    const QTableWidgetItem* item = m_grid->item(row, column);
    return item ? item->text() : QString();
}

void CurtainResultsWindow::showRun(const QString& projectName, const CurtainRun& run)
{
    m_projectName = projectName;
    m_run = run;
    fillGrid();
    if (m_index) {
        const QSignalBlocker quiet(m_index);
        m_index->clear();
        m_index->addItems(sizeIndexChoices(run.choice.largestIndex));
        m_index->setCurrentText(run.choice.index);
    }
    drawJet(m_chart, run.jet, run.inputs.side);
    curtainReportForm(m_program.windows(), m_series)->showRun(projectName, run);
    if (isHidden())
        show();
}

void CurtainResultsWindow::fillGrid()
{
    const std::vector<TextLine> rows = curtainResultRows(*m_run, systemDecimalSeparator());
    for (int row = 0; row < m_grid->rowCount() && row < static_cast<int>(rows.size()); ++row) {
        m_grid->item(row, 0)->setText(rows[static_cast<std::size_t>(row)].caption);
        m_grid->item(row, 1)->setText(rows[static_cast<std::size_t>(row)].value);
        m_grid->item(row, 1)->setToolTip(rows[static_cast<std::size_t>(row)].value);
    }
}

void CurtainResultsWindow::changeIndex()
{
    if (!m_run || !m_index)
        return;
    const QString index = m_index->currentText().trimmed();
    if (index == m_run->choice.index)
        return;
    CurtainOutcome outcome;
    try {
        outcome = reindexCurtain(*m_run, index, storeCurtainCatalogue());
    } catch (const CatalogueError& error) {
        ui::showMessage(error.message(), ui::MessageKind::Error);
        return;
    }
    if (!outcome.run) {
        ui::showMessage(outcome.refusal.message, ui::MessageKind::Warning);
        const QSignalBlocker quiet(m_index);
        m_index->setCurrentText(m_run->choice.index);
        return;
    }
    m_run = *outcome.run;
    fillGrid();
    drawJet(m_chart, m_run->jet, m_run->inputs.side);
    curtainReportForm(m_program.windows(), m_series)->showRun(m_projectName, *m_run);
}

void CurtainResultsWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous() && parentWidget()) {
        const QRect owner = parentWidget()->window()->frameGeometry();
        move(owner.center() - rect().center());
    }
    QDialog::showEvent(event);
}

void CurtainResultsWindow::print()
{
    if (!m_run)
        return;
    CurtainReportForm* form = curtainReportForm(m_program.windows(), m_series);
    try {
        form->fillPrinted(m_projectName, *m_run);
    } catch (const CatalogueError& error) {
        ui::showMessage(error.message(), ui::MessageKind::Error);
        return;
    }
    close();
    form->previewModal();
}
