#include "unit/ui/TFormResultPritoch.h"

#include "common/CatalogueStore.h"
#include "common/StoreError.h"
#include "ui/GridColumns.h"
#include "ui/Messages.h"
#include "ui/Program.h"
#include "ui/SharedWindows.h"
#include "unit/WorkingTables.h"
#include "unit/ui/TFormSxema.h"

#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int priceColumn = 5;

QTableWidget* grid(const QString& name, int columns)
{
    auto* table = new QTableWidget(0, columns);
    table->setObjectName(name);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->setWordWrap(false);
    return table;
}

void setRow(QTableWidget* table, int row, const QStringList& cells)
{
    for (int column = 0; column < cells.size() && column < table->columnCount(); ++column)
        table->setItem(row, column, new QTableWidgetItem(cells[column]));
}

} // namespace

TFormResultPritoch::TFormResultPritoch(ui::Program& program, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_program(program)
{
    setObjectName(u"FormResultPritoch"_s);
    setWindowTitle(u"ЗФН: Параметры модульной системы с подобранным вентилятором:"_s);

    m_group = new QGroupBox;
    m_group->setObjectName(u"GroupBox_Res"_s);
    QFont bold = m_group->font();
    bold.setBold(true);
    m_group->setFont(bold);

    auto* sostavGroup = new QGroupBox(u" Состав модульной системы: "_s);
    m_pieces = grid(u"StringGrid_Sostav"_s, 7);
    m_pieces->setColumnHidden(priceColumn, true);
    auto* sostavLayout = new QVBoxLayout(sostavGroup);
    sostavLayout->addWidget(m_pieces);

    m_figures = grid(u"StringGrid_Res"_s, 2);
    m_figures->horizontalHeader()->hide();
    m_figures->horizontalHeader()->setStretchLastSection(true);
    m_figures->setColumnWidth(0, 420);

    for (QWidget* inner : {static_cast<QWidget*>(sostavGroup), static_cast<QWidget*>(m_figures)}) {
        QFont plain = inner->font();
        plain.setBold(false);
        inner->setFont(plain);
    }
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(sostavGroup);
    splitter->addWidget(m_figures);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    auto* groupLayout = new QVBoxLayout(m_group);
    groupLayout->addWidget(splitter);

    auto* scheme = new QPushButton(u"Схема"_s);
    scheme->setObjectName(u"ButtonSxema"_s);
    auto* close = new QPushButton(u"Закрыть"_s);
    close->setObjectName(u"ButtonClose"_s);
    connect(scheme, &QPushButton::clicked, this, &TFormResultPritoch::openScheme);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(scheme);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_group, 1);
    layout->addLayout(buttons);
    writeHeader();
    resize(860, 620);
}

void TFormResultPritoch::writeHeader()
{
    m_pieces->setHorizontalHeaderLabels(
        {u"Наименование"_s, u"Тип"_s, u"Модель"_s, u"Длина, мм"_s, u"Сечение"_s, QString(), u"Количество"_s});
}

void TFormResultPritoch::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        writeHeader();
    QWidget::changeEvent(event);
}

void TFormResultPritoch::showResult(const unit::UnitResult& result, const unit::UnitHandover& handover)
{
    m_result = result;
    m_handover = handover;
    m_group->setTitle(result.caption);
    m_pieces->clearContents();
    m_pieces->setRowCount(int(result.pieces.size()));
    for (size_t row = 0; row < result.pieces.size(); ++row)
        setRow(m_pieces, int(row), unit::compositionCells(result.pieces[row]));
    m_figures->clearContents();
    m_figures->setRowCount(int(result.figures.size()));
    for (size_t row = 0; row < result.figures.size(); ++row)
        setRow(m_figures, int(row), {result.figures[row].first, result.figures[row].second});
    writeHeader();
    ui::widenColumnsToContents(m_pieces);
    if (!isVisible()) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}

void TFormResultPritoch::openScheme()
{
    if (m_result.pieces.empty())
        return;
    try {
        unit::writeReportOrderTable(store::workingDatabase(), m_result.pieces);
    } catch (const CatalogueError& error) {
        ui::showMessage(error.message(), ui::MessageKind::Error);
        return;
    }
    m_program.windows().get<TFormSxema>()->showScheme(m_handover, m_result.figures);
}
