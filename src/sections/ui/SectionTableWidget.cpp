#include "sections/ui/SectionTableWidget.h"

#include "common/NumberText.h"
#include "sections/ui/SectionDialog.h"
#include "ui/Messages.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using sections::SectionRow;

SectionTableWidget::SectionTableWidget(const QString& gridName, QWidget* parent)
    : QWidget(parent)
{
    m_grid = new QTableWidget(this);
    m_grid->setObjectName(gridName);
    m_grid->setColumnCount(sections::sectionColumnCount);
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    // Wide enough for the two header lines of every column.
    const int widths[] = {40, 90, 90, 100, 90};
    for (int column = 0; column < 5; ++column)
        m_grid->setColumnWidth(column, widths[column]);
    for (int column = 5; column < sections::sectionColumnCount; ++column)
        m_grid->setColumnHidden(column, true);

    auto* add = new QPushButton(u"Добавить"_s, this);
    add->setObjectName(u"bAdd"_s);
    auto* edit = new QPushButton(u"Изменить"_s, this);
    edit->setObjectName(u"bEdit"_s);
    auto* remove = new QPushButton(u"Удалить"_s, this);
    remove->setObjectName(u"bRemove"_s);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(edit);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, &SectionTableWidget::addSection);
    connect(edit, &QPushButton::clicked, this, &SectionTableWidget::editSection);
    connect(remove, &QPushButton::clicked, this, &SectionTableWidget::removeSection);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, &SectionTableWidget::editSection);
    showTable();
}

void SectionTableWidget::setTable(const sections::SectionTable& table)
{
    m_table = table;
    showTable();
}

void SectionTableWidget::setAreaHeader(const QString& top, const QString& bottom)
{
    m_areaHeader[0] = top;
    m_areaHeader[1] = bottom;
    showTable();
}

void SectionTableWidget::showTable()
{
    const QStringList headers[2] = {
        {u"N уч"_s, m_areaHeader[0], u"Длина уч-ка"_s, u"Коэфф. сопр-"_s, u"Материал"_s},
        {QString(), m_areaHeader[1], u" Li, м"_s, u"отивления Gi"_s, u"  шахты"_s},
    };
    const int selected = m_grid->currentRow();
    m_grid->setRowCount(firstDataRow + m_table.rowCount());
    const QBrush fixed = palette().button();
    for (int row = 0; row < firstDataRow; ++row) {
        for (int column = 0; column < sections::sectionColumnCount; ++column) {
            auto* item = new QTableWidgetItem(headers[row].value(column));
            item->setFlags(Qt::ItemIsEnabled);
            item->setBackground(fixed);
            m_grid->setItem(row, column, item);
        }
    }
    for (int data = 0; data < m_table.rowCount(); ++data) {
        const SectionRow& cells = m_table.row(data);
        for (int column = 0; column < sections::sectionColumnCount; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (column == sections::NumberColumn) {
                item->setBackground(fixed);
                item->setTextAlignment(Qt::AlignCenter);
            }
            m_grid->setItem(firstDataRow + data, column, item);
        }
    }
    const int row = std::clamp(selected, firstDataRow, m_grid->rowCount() - 1);
    m_grid->setCurrentCell(row, 1);
}

int SectionTableWidget::selectedDataRow() const
{
    const int row = m_grid->currentRow();
    return row >= firstDataRow ? row - firstDataRow : -1;
}

void SectionTableWidget::addSection()
{
    if (!m_dialog)
        return;
    const auto entry = m_dialog->ask();
    if (!entry)
        return;
    m_table.add(*entry, systemDecimalSeparator(), m_coefficientCells);
    showTable();
    m_grid->setCurrentCell(firstDataRow + m_table.rowCount() - 1, 1);
    Q_EMIT tableChanged();
}

void SectionTableWidget::editSection()
{
    const int row = selectedDataRow();
    if (!m_dialog || !m_table.canEdit(row))
        return;
    m_dialog->setTexts(
        sections::sectionDialogTextsFromRow(m_table.row(row), m_dialog->texts(), m_dialog->fittings()));
    const auto entry = m_dialog->ask();
    if (!entry)
        return;
    m_table.edit(row, *entry, systemDecimalSeparator(), m_coefficientCells);
    showTable();
    Q_EMIT tableChanged();
}

void SectionTableWidget::removeSection()
{
    const int row = selectedDataRow();
    if (row < 0)
        return;
    if (!ui::askYesNo(u"Удалить участок под номером "_s + m_table.row(row)[sections::NumberColumn] + u" ?"_s))
        return;
    m_table.remove(row, systemDecimalSeparator());
    showTable();
    Q_EMIT tableChanged();
}
