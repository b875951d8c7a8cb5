#include "heating/ui/HeatingUnitResultsWindow.h"

#include "heating/ui/HeatingUnitReportForm.h"
#include "ui/GridColumns.h"
#include "ui/Program.h"
#include "ui/ResultsButtons.h"
#include "ui/SharedWindows.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int columnWidths[heating::heatingTableColumns] = {375, 75, 66, 69, 69, 76, 73};
constexpr int rowHeight = 16;
const QColor fixedCellColor(0xF0, 0xF0, 0xF0);
const QColor currentColumnColor(Qt::yellow);

} // namespace

TFormVozdAgregatResLUMA::TFormVozdAgregatResLUMA(ui::Program& program, QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
    , m_program(program)
    , m_grid(new QTableWidget(heating::heatingTableRows, heating::heatingTableColumns, this))
{
    setObjectName(u"FormVozdAgregatResLUMA"_s);
    setWindowTitle(u"Результаты расчета: "_s);
    resize(862, 614);

    auto* group = new QGroupBox(u" Выберите модель ЛУМА "_s, this);
    auto* groupLayout = new QVBoxLayout(group);
    m_grid->setObjectName(u"StringGridRes"_s);
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setMinimumSectionSize(rowHeight);
    m_grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_grid->setShowGrid(true);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setWordWrap(false);
    for (int column = 0; column < heating::heatingTableColumns; ++column)
        m_grid->setColumnWidth(column, columnWidths[column]);
    for (int row = 0; row < heating::heatingTableRows; ++row) {
        for (int column = 0; column < heating::heatingTableColumns; ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
            if (row == 0 || column == 0)
                item->setBackground(fixedCellColor);
            m_grid->setItem(row, column, item);
        }
    }
    groupLayout->addWidget(m_grid);

    ui::layOutResultsWindow(this, group, [this] { print(); });
    connect(m_grid, &QTableWidget::currentCellChanged, this,
        [this](int, int column, int, int) { rememberColumn(column); });
    connect(m_grid, &QTableWidget::cellClicked, this, [this](int, int column) { rememberColumn(column); });
    m_grid->setCurrentCell(1, m_printColumn);
    paintCurrentColumn();
}

QString TFormVozdAgregatResLUMA::cellText(int row, int column) const
{
    const QTableWidgetItem* item = m_grid->item(row, column);
    return item ? item->text() : QString();
}

void TFormVozdAgregatResLUMA::showResults(const QString& projectName, const heating::HeatingUnitTable& table)
{
    m_projectName = projectName;
    for (int row = 0; row < heating::heatingTableRows; ++row) {
        for (int column = 0; column < heating::heatingTableColumns; ++column) {
            QTableWidgetItem* item = m_grid->item(row, column);
            item->setText(table[row][column]);
            // Long texts (sizes, supply) may not fit the narrow model columns.
            item->setToolTip(table[row][column]);
        }
    }
    for (int column = 0; column < heating::heatingTableColumns; ++column)
        m_grid->setColumnWidth(column, columnWidths[column]);
    ui::widenColumnsToContents(m_grid);
    if (isHidden())
        show();
    ui::widenWindowToColumns(m_grid);
}

void TFormVozdAgregatResLUMA::rememberColumn(int column)
{
    // The title column is fixed: a click there keeps the model picked before.
    if (column >= 1 && column < heating::heatingTableColumns)
        m_printColumn = column;
    else if (m_grid->currentColumn() != m_printColumn)
        m_grid->setCurrentCell(qMax(1, m_grid->currentRow()), m_printColumn);
    paintCurrentColumn();
}

void TFormVozdAgregatResLUMA::paintCurrentColumn()
{
    for (int row = 1; row < heating::heatingTableRows; ++row) {
        for (int column = 1; column < heating::heatingTableColumns; ++column) {
            QTableWidgetItem* item = m_grid->item(row, column);
            const bool current = column == m_printColumn;
            QFont font = item->font();
            font.setBold(current);
            item->setFont(font);
            item->setBackground(current ? QBrush(currentColumnColor) : QBrush());
        }
    }
}

void TFormVozdAgregatResLUMA::showEvent(QShowEvent* event)
{
    if (!event->spontaneous() && parentWidget()) {
        const QRect owner = parentWidget()->window()->frameGeometry();
        move(owner.center() - rect().center());
    }
    QDialog::showEvent(event);
}

void TFormVozdAgregatResLUMA::print()
{
    TQRep_VozdAgregatLUMA* form = m_program.windows().get<TQRep_VozdAgregatLUMA>();
    QStringList values;
    for (int row = 0; row < heating::heatingReportRows; ++row)
        values << cellText(row, m_printColumn);
    form->fill(m_projectName, values);
    close();
    form->previewModal();
}
