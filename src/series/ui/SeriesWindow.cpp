#include "series/ui/SeriesWindow.h"

#include "common/NumberText.h"
#include "common/ProgramFolder.h"
#include "common/StoreError.h"
#include "fans/FanCatalogue.h"
#include "fans/ui/SeriesIcons.h"
#include "fanviews/FanPictures.h"
#include "series/SeriesCurve.h"
#include "series/SeriesPrintTable.h"
#include "series/SeriesSheet.h"
#include "series/ui/SeriesFanViews.h"
#include "series/ui/TForm_YarlykChange.h"
#include "ui/ChartLabels.h"
#include "ui/ChartPoints.h"
#include "ui/ChartZoom.h"
#include "ui/DescriptionItem.h"
#include "ui/GridColumns.h"
#include "ui/Hints.h"
#include "ui/ListWidth.h"
#include "ui/Messages.h"
#include "ui/Program.h"
#include "ui/SharedWindows.h"
#include "ui/report/AxisTitles.h"
#include "ui/report/CustomPlot.h"
#include "ui/report/PrintedForm.h"
#include "ui/report/TQRep_FORM.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using series::SeriesKind;

namespace {

const QColor labelBackground(Qt::white);
const QColor currentLabelBackground(255, 255, 207);
// A mid grey behind the curves: the colour table holds white and yellow.
const QColor plotBackground(190, 196, 204);
constexpr int blinkCheckMs = 200;

QColor fanColour(int k)
{
    const unsigned rgb = series::seriesColour(k);
    return QColor(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
}

QString notFound(const QString& fileName)
{
    return u"Не найден файл:  "_s + fileName + u"   в каталоге из которого запущена программа"_s;
}

} // namespace

SeriesWindow::SeriesWindow(ui::Program& program, SeriesKind kind, QWidget* parent)
    : QWidget(parent)
    , m_program(program)
    , m_kind(kind)
{
    const bool smoke = kind == SeriesKind::Smoke;
    setWindowTitle(smoke ? u"ЗФН: Групповые характеристики по сериям вентиляторов дымоудаления"_s
                         : u"ЗФН: Групповые характеристики по сериям вентиляторов"_s);

    auto* listGroup = new QGroupBox(smoke ? u"Серии вентиляторов:"_s : u"Серия вентиляторов:"_s);
    m_list = new QListWidget;
    m_list->setObjectName(u"Open_ListView"_s);
    m_list->setIconSize(QSize(16, 16));
    ui::setHint(m_list, u"|Выделите серию вентиляторов для просмотра групповых характеристик"_s);
    auto* listLayout = new QVBoxLayout(listGroup);
    listLayout->addWidget(m_list);

    buildChart();
    buildGrid();
    auto* right = new QSplitter(Qt::Vertical);
    right->addWidget(m_chart);
    right->addWidget(m_grid);
    right->setStretchFactor(0, 3);
    right->setStretchFactor(1, 2);
    // The split starts as it grows: left to the size hints, the grid's would squeeze the chart of a whole
    // series to its minimum.
    right->setSizes({360, 240});
    auto* main = new QSplitter(Qt::Horizontal);
    main->addWidget(listGroup);
    main->addWidget(right);
    main->setStretchFactor(1, 1);
    main->setSizes({230, 900});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(main, 1);
    layout->addWidget(buildButtons());

    m_blinkTimer = new QTimer(this);
    m_blinkTimer->setInterval(blinkCheckMs);
    connect(m_blinkTimer, &QTimer::timeout, this, &SeriesWindow::blink);
    connect(m_list, &QListWidget::currentRowChanged, this, &SeriesWindow::chooseSeries);
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!m_filling)
            chooseFan(row);
    });
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, &SeriesWindow::showDetails);
    resize(1000, 680);
    fillSeriesList();
    ui::showItemsWhole(m_list);
}

SeriesWindow::~SeriesWindow() = default;

void SeriesWindow::buildChart()
{
    m_chart = new QCustomPlot;
    m_chart->setObjectName(u"Chart1"_s);
    m_chart->setMinimumSize(400, 250);
    m_chart->legend->setVisible(false);
    m_chart->axisRect()->setBackground(plotBackground);
    m_chart->plotLayout()->insertRow(0);
    const bool smoke = m_kind == SeriesKind::Smoke;
    auto* title = new QCPTextElement(m_chart,
        smoke ? u"Характеристики выбранной серии вентиляторов дымоудаления"_s
              : u"Характеристики выбранной серии вентиляторов"_s,
        QFont(u"Arial"_s, 10, QFont::Bold));
    m_chart->plotLayout()->addElement(0, 0, title);
    m_chart->xAxis->setLabel(series::flowAxisTitle(m_kind));
    m_chart->yAxis->setLabel(series::pressureAxisTitle(m_kind, {}));
    report::keepAxisTitlesWhole(*m_chart);
    ui::setHint(m_chart,
        u"Размерные характеристики вентиляторов |Увеличте масштаб, удерживая левую кн. мыши и выделяя "
        u"прямоуг. область с левого верх. угла, для уменьшения - с правого верхнего угла-в левый нижний"_s);
    m_chart->addLayer(u"front"_s, m_chart->layer(u"main"_s), QCustomPlot::limAbove);
    m_front = m_chart->layer(u"front"_s);
    m_labelPlaces = new ui::ChartLabels(m_chart);
    ui::enableRectangleZoom(m_chart, [this] {
        fitAxes();
        m_chart->replot();
    });
    connect(m_chart, &QCustomPlot::mousePress, this,
        [this](QMouseEvent* event) { m_pressPosition = event->position(); });
    connect(m_chart, &QCustomPlot::mouseRelease, this, &SeriesWindow::onChartClick);
}

void SeriesWindow::buildGrid()
{
    m_grid = new QTableWidget(0, series::columnCount(m_kind));
    m_grid->setObjectName(u"StringGrid_vent"_s);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->setWordWrap(false);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_grid->setColumnWidth(0, 28);
    ui::setHint(m_grid,
        m_kind == SeriesKind::Smoke
            ? u"Выбирите вентилятор| Щелкните мышкой для выбора вентилятора и просмотра его подробных характеристик"_s
            : u"|Перемещайтесь по списку для выбора вентилятора и просмотра его подробных характеристик"_s);
}

QWidget* SeriesWindow::buildButtons()
{
    auto button = [](const QString& name, const QString& caption) {
        auto* b = new QPushButton(caption);
        b->setObjectName(name);
        return b;
    };
    auto* print = button(u"bPrint"_s, u"Печать"_s);
    auto* description = button(u"bDescription"_s, u"Описание серии"_s);
    auto* details = button(u"bDetails"_s, u"Подробно"_s);
    auto* photo = button(u"bPhoto"_s, u"Фото"_s);
    auto* close = button(u"bClose"_s, u"Закрыть"_s);
    m_seriesButtons = {description, details, photo};
    for (QPushButton* b : m_seriesButtons)
        b->setEnabled(false);
    connect(print, &QPushButton::clicked, this, &SeriesWindow::print);
    connect(description, &QPushButton::clicked, this, &SeriesWindow::showDescription);
    connect(details, &QPushButton::clicked, this, &SeriesWindow::showDetails);
    connect(photo, &QPushButton::clicked, this, &SeriesWindow::showPhoto);
    connect(close, &QPushButton::clicked, this, &SeriesWindow::closeTask);

    auto* panel = new QWidget;
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(description);
    row->addWidget(photo);
    row->addStretch(1);
    row->addWidget(details);
    row->addWidget(print);
    row->addWidget(close);
    return panel;
}

void SeriesWindow::fillSeriesList()
{
    try {
        m_items = series::seriesItems(m_kind);
    } catch (const CatalogueError& error) {
        ui::showMessage(error.message(), ui::MessageKind::Error);
        return;
    }
    for (const series::SeriesItem& item : m_items)
        m_list->addItem(
            new QListWidgetItem(m_kind == series::SeriesKind::Smoke ? fans::smokeSeriesIcon(item.icon)
                                                                    : fans::generalSeriesIcon(item.icon),
                item.name));
}

void SeriesWindow::chooseSeries(int row)
{
    if (row < 0 || row >= int(m_items.size()))
        return;
    series::SeriesOverview overview;
    try {
        overview = series::seriesOverview(m_kind, m_items[size_t(row)], systemDecimalSeparator());
        series::writePrintTable(overview);
    } catch (const CatalogueError& error) {
        ui::showMessage(error.message(), ui::MessageKind::Error);
        return;
    }
    for (QPushButton* b : m_seriesButtons)
        b->setEnabled(true);
    showSeries(overview);
}

SeriesWindow::FanDrawing& SeriesWindow::drawingOf(int k)
{
    while (int(m_drawings.size()) <= k) {
        FanDrawing drawing;
        drawing.curve = m_chart->addGraph();
        drawing.curve->setLineStyle(QCPGraph::lsLine);
        drawing.labelPoint = m_chart->addGraph();
        drawing.labelPoint->setLineStyle(QCPGraph::lsNone);
        drawing.label = new QCPItemText(m_chart);
        drawing.label->setPadding(QMargins(2, 1, 2, 1));
        drawing.label->setClipToAxisRect(true);
        m_drawings.push_back(drawing);
    }
    return m_drawings[size_t(k)];
}

void SeriesWindow::showSeries(const series::SeriesOverview& overview)
{
    m_filling = true;
    m_overview = overview;
    m_current = -1;
    const int count = int(overview.fans.size());
    m_chart->yAxis->setLabel(overview.axisTitle);

    const QStringList top = series::headerRow(m_kind, 0, overview.item.name);
    const QStringList second = series::headerRow(m_kind, 1, overview.item.name);
    for (int column = 0; column < m_grid->columnCount(); ++column) {
        const QString heading
            = second[column].isEmpty() ? top[column] : top[column] + u"\n"_s + second[column];
        m_grid->setHorizontalHeaderItem(column, new QTableWidgetItem(heading));
    }
    m_grid->clearContents();
    m_grid->setRowCount(count);
    for (int k = 0; k < count; ++k) {
        const series::SeriesFan& fan = overview.fans[size_t(k)];
        const QColor colour = fanColour(k);
        FanDrawing& drawing = drawingOf(k);
        drawing.curve->setPen(QPen(colour, 1));
        drawing.curve->setName(fan.designation);
        drawing.curve->setData(ui::keysOf(fan.drawn), ui::valuesOf(fan.drawn), true);
        drawing.curve->setVisible(true);
        drawing.labelPoint->setScatterStyle(
            QCPScatterStyle(QCPScatterStyle::ssDisc, QPen(colour.darker(130)), QBrush(colour), 5));
        drawing.label->setText(fan.designation);
        drawing.label->setPen(QPen(colour, 1));
        drawing.label->setBrush(labelBackground);
        drawLabel(k);
        for (int column = 0; column < fan.cells.size() && column < m_grid->columnCount(); ++column)
            m_grid->setItem(k, column, new QTableWidgetItem(fan.cells[column]));
    }
    // Drawings of a larger series shown before stay, empty and hidden, for the next one.
    for (int k = count; k < int(m_drawings.size()); ++k) {
        m_drawings[size_t(k)].curve->data()->clear();
        m_drawings[size_t(k)].curve->setVisible(false);
        m_drawings[size_t(k)].labelPoint->data()->clear();
        m_drawings[size_t(k)].label->setVisible(false);
    }
    ui::widenColumnsToContents(m_grid);
    fitAxes();
    m_filling = false;
    if (count > 0)
        chooseFan(0);
    else
        m_chart->replot();
}

void SeriesWindow::drawLabel(int k)
{
    const series::SeriesFan& fan = m_overview.fans[size_t(k)];
    FanDrawing& drawing = m_drawings[size_t(k)];
    drawing.labelPoint->data()->clear();
    drawing.label->setVisible(fan.label.has_value());
    if (!fan.label)
        return;
    drawing.labelPoint->addData(fan.label->x(), fan.label->y());
    // A label in the first half of its curve prefers to read to the right of its point, one further on
    // to the left; where others or the plot's edges are in the way it moves off.
    const double middle
        = (fan.curve.flowPoints[0] + fan.curve.flowPoints[size_t(fan.curve.pointCount - 1)]) / 2;
    m_labelPlaces->setPoint(drawing.label, *fan.label,
        (fan.label->x() < middle ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignBottom);
}

void SeriesWindow::fitAxes()
{
    m_chart->rescaleAxes(true);
    m_chart->xAxis->setRangeLower(0);
    m_chart->yAxis->setRangeLower(0);
    m_chart->xAxis->setRangeUpper(m_chart->xAxis->range().upper * 1.05);
    m_chart->yAxis->setRangeUpper(m_chart->yAxis->range().upper * 1.1);
}

QCPGraph* SeriesWindow::curve(int k) const
{
    return k >= 0 && k < int(m_overview.fans.size()) ? m_drawings[size_t(k)].curve : nullptr;
}

QCPItemText* SeriesWindow::label(int k) const
{
    return k >= 0 && k < int(m_overview.fans.size()) ? m_drawings[size_t(k)].label : nullptr;
}

void SeriesWindow::chooseFan(int k)
{
    if (k < 0 || k >= int(m_overview.fans.size()))
        return;
    m_current = k;
    if (m_grid->currentRow() != k) {
        m_filling = true;
        m_grid->setCurrentCell(k, std::max(m_grid->currentColumn(), 0));
        m_filling = false;
    }
    m_grid->selectRow(k);
    highlight(false);
    m_labelPlaces->setFirst({m_drawings[size_t(k)].label});
    m_blinkPhase = -1;
    updateBlinking();
    m_chart->replot();
}

void SeriesWindow::highlight(bool strong)
{
    for (int k = 0; k < int(m_overview.fans.size()); ++k) {
        FanDrawing& drawing = m_drawings[size_t(k)];
        const bool current = k == m_current;
        QPen pen = drawing.curve->pen();
        pen.setWidthF(current && strong ? 3 : 1);
        drawing.curve->setPen(pen);
        // The current fan is drawn in front of the others; its label is shaded unless blinking off.
        QCPLayer* layer = current ? m_front : m_chart->layer(u"main"_s);
        drawing.curve->setLayer(layer);
        drawing.labelPoint->setLayer(layer);
        drawing.label->setLayer(layer);
        drawing.label->setBrush(
            current && (strong || !m_blinkTimer->isActive()) ? currentLabelBackground : labelBackground);
    }
}

void SeriesWindow::blink()
{
    // Odd seconds of the clock show the fan plain, even seconds emphasised; nothing is drawn between.
    const int phase = QTime::currentTime().second() % 2;
    if (phase == m_blinkPhase)
        return;
    m_blinkPhase = phase;
    highlight(phase == 0);
    m_chart->replot(QCustomPlot::rpQueuedReplot);
}

bool SeriesWindow::isActiveTask() const
{
    if (!isVisible() || !isActiveWindow())
        return false;
    if (m_frame && m_frame->mdiArea())
        return m_frame->mdiArea()->activeSubWindow() == m_frame;
    return true;
}

void SeriesWindow::updateBlinking()
{
    const bool wanted = m_current >= 0 && isActiveTask();
    if (wanted == m_blinkTimer->isActive())
        return;
    if (wanted) {
        m_blinkTimer->start();
        m_blinkPhase = -1;
        blink();
        return;
    }
    m_blinkTimer->stop();
    highlight(false);
    m_chart->replot(QCustomPlot::rpQueuedReplot);
}

bool SeriesWindow::isBlinking() const
{
    return m_blinkTimer->isActive();
}

void SeriesWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_frame) {
        m_frame = qobject_cast<QMdiSubWindow*>(parentWidget());
        if (m_frame)
            connect(m_frame, &QMdiSubWindow::windowStateChanged, this, &SeriesWindow::updateBlinking);
    }
    updateBlinking();
}

void SeriesWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        updateBlinking();
}

void SeriesWindow::closeEvent(QCloseEvent* event)
{
    m_blinkTimer->stop();
    QWidget::closeEvent(event);
}

void SeriesWindow::closeTask()
{
    // Inside the frame the task window's frame closes (and frees) it.
    if (m_frame)
        m_frame->close();
    else
        close();
}

void SeriesWindow::onChartClick(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || (event->position() - m_pressPosition).manhattanLength() > 3)
        return;
    const int count = int(m_overview.fans.size());
    if (auto* item = m_chart->itemAt(event->position(), false)) {
        for (int k = 0; k < count; ++k) {
            if (m_drawings[size_t(k)].label == item) {
                labelClicked(k);
                return;
            }
        }
    }
    auto* graph = qobject_cast<QCPGraph*>(m_chart->plottableAt(event->position(), false));
    for (int k = 0; graph && k < count; ++k) {
        if (m_drawings[size_t(k)].labelPoint == graph) {
            labelClicked(k);
            return;
        }
        if (m_drawings[size_t(k)].curve == graph) {
            chooseFan(k);
            return;
        }
    }
}

bool SeriesWindow::labelsMovable() const
{
    // The smoke-exhaust catalogue has no columns for label places: a move there could not be kept.
    return m_kind == SeriesKind::General;
}

void SeriesWindow::labelClicked(int k)
{
    if (labelsMovable())
        moveLabel(k);
    else
        chooseFan(k);
}

void SeriesWindow::moveLabel(int k)
{
    if (!labelsMovable() || k < 0 || k >= int(m_overview.fans.size()) || !m_overview.fans[size_t(k)].label)
        return;
    auto* dialog = m_program.windows().get<TForm_YarlykChange>();
    series::SeriesFan& fan = m_overview.fans[size_t(k)];
    const double startFlow = fan.labelFlow;
    auto moveTo = [&](double flow) {
        series::placeLabel(fan, flow);
        drawLabel(k);
        m_chart->replot();
    };
    for (;;) {
        const TForm_YarlykChange::Result result = dialog->ask();
        if (result.answer == TForm_YarlykChange::Answer::Shift) {
            moveTo(series::shiftedLabelFlow(fan.curve, fan.labelFlow, result.shift));
            continue;
        }
        if (result.answer == TForm_YarlykChange::Answer::Cancelled) {
            moveTo(startFlow);
            return;
        }
        break;
    }
    if (fan.labelFlow == startFlow)
        return;
    try {
        fans::FanCatalogue::saveLabelPosition(fan.record, fan.labelFlow);
        fan.record.logMarks = true;
        fan.record.marksPosition = fan.labelFlow;
    } catch (const CatalogueError& error) {
        ui::showMessage(error.message(), ui::MessageKind::Error);
        moveTo(startFlow);
    }
}

void SeriesWindow::showDetails()
{
    if (m_overview.fans.empty())
        return;
    const int k = m_current >= 0 ? m_current : 0;
    const series::SeriesSheet sheet = series::seriesSheetOf(m_overview, m_overview.fans[size_t(k)]);
    if (m_kind == SeriesKind::Smoke)
        m_program.windows().get<TForm_ResImage_UtilitySMK>()->showSheet(sheet);
    else
        m_program.windows().get<TForm_ResImage_Utility>()->showSheet(sheet);
}

void SeriesWindow::showDescription()
{
    const QString stem = series::seriesFileStem(m_overview);
    if (stem.isEmpty())
        return;
    ui::DescriptionItem item;
    item.windowCaption = u"ЗФН: Описание серии: "_s + stem;
    item.rtfFile = stem + u".rtf"_s;
    item.reportTitle = u"Описание серий общеобменных вентиляторов:"_s;
    const QString wide = stem + u"w.bmp"_s;
    item.reportPicture = QFileInfo::exists(programFilePath(wide)) ? wide : stem + u".bmp"_s;
    item.missingFileMessage = u"Не удается найти файл: "_s + stem + u".rtf  ?!"_s;
    m_program.showDescription(item);
}

void SeriesWindow::showPhoto()
{
    if (m_overview.fans.empty())
        return;
    QString name = series::seriesFileStem(m_overview);
    QString fileName = name + u".bmp"_s;
    if (m_kind == SeriesKind::Smoke) {
        // Smoke-exhaust series have photographs per size group (the ДЮНА sizes 3,15 to 4,5).
        const fanviews::SeriesPhoto photo = fanviews::seriesPhotoOf(m_overview.fans.front().designation);
        name = photo.seriesName;
        fileName = photo.fileName;
    }
    if (!m_program.showPhoto(u"ЗФН: Фотография серии: "_s + name, fileName))
        ui::showMessage(notFound(fileName), ui::MessageKind::Warning);
}

void SeriesWindow::print()
{
    report::SeriesReportWindow* host = m_kind == SeriesKind::Smoke
        ? static_cast<report::SeriesReportWindow*>(m_program.windows().get<TQRep_FORMSMK>())
        : m_program.windows().get<TQRep_FORM>();
    // The print table is this window's series even when another window chose a series since.
    try {
        series::writePrintTable(m_overview);
    } catch (const CatalogueError& error) {
        ui::showMessage(error.message(), ui::MessageKind::Error);
        return;
    }
    report::runPrintedForm(*host, [&] {
        host->titleLabel()->setText(
            QString(u"Характеристики вентиляторов: "_s + m_overview.item.name).left(54));
        host->setLeftAxisTitle(m_overview.axisTitle);
        host->clearChart();
        for (int k = 0; k < int(m_overview.fans.size()); ++k) {
            const series::SeriesFan& fan = m_overview.fans[size_t(k)];
            host->setCurve(k, ui::keysOf(fan.drawn), ui::valuesOf(fan.drawn));
            if (fan.label)
                host->setMark(k, fan.label->x(), fan.label->y(), QString::number(k + 1));
        }
    });
}

TFormChildUtility::TFormChildUtility(ui::Program& program, QWidget* parent)
    : SeriesWindow(program, SeriesKind::General, parent)
{
    setObjectName(u"FormChildUtility"_s);
}

TFormChildUtilitySMK::TFormChildUtilitySMK(ui::Program& program, QWidget* parent)
    : SeriesWindow(program, SeriesKind::Smoke, parent)
{
    setObjectName(u"FormChildUtilitySMK"_s);
}
