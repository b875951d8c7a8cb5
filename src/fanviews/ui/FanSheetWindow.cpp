#include "fanviews/ui/FanSheetWindow.h"

#include "common/NumberText.h"
#include "fans/DutySpeedFan.h"
#include "fanviews/FanKind.h"
#include "fanviews/FanPictures.h"
#include "fanviews/SoundPowerLevels.h"
#include "fanviews/ui/FanGraphsWindow.h"
#include "fanviews/ui/FanSheetReportForm.h"
#include "fanviews/ui/OctaveTable.h"
#include "fanviews/ui/SheetGrid.h"
#include "fanviews/ui/TForm_Razmer.h"
#include "ui/Messages.h"
#include "ui/Program.h"
#include "ui/SharedWindows.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QString notFound(const QString& fileName)
{
    return u"Не найден файл:  "_s + fileName + u"   в каталоге из которого запущена программа"_s;
}

} // namespace

FanSheetWindow::FanSheetWindow(
    ui::Program& program, int rows, const QString& caption, const QString& groupCaption, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_program(program)
{
    setWindowTitle(caption);
    m_group = new QGroupBox(groupCaption);
    m_group->setObjectName(u"GroupBox_Res"_s);
    QFont bold = m_group->font();
    bold.setBold(true);
    m_group->setFont(bold);
    m_results = sheetGrid(u"StringGrid_Res"_s, rows, 2);
    QFont plain = m_results->font();
    plain.setBold(false); // only the group caption is bold
    m_results->setFont(plain);
    m_results->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_results->setColumnWidth(1, 150);
    fitSheetGridHeight(m_results);
    auto* groupLayout = new QVBoxLayout(m_group);
    groupLayout->addWidget(m_results);

    auto* drawings = new QPushButton(u"> Чертежи <"_s);
    drawings->setObjectName(u"Button3"_s);
    auto* photo = new QPushButton(u"Фото"_s);
    photo->setObjectName(u"Button5"_s);
    auto* graphs = new QPushButton(u"> Графики характеристик <"_s);
    graphs->setObjectName(u"Button4"_s);
    auto* printButton = new QPushButton(u"Печать"_s);
    printButton->setObjectName(u"Button2"_s);
    auto* close = new QPushButton(u"Закрыть"_s);
    close->setObjectName(u"Button1"_s);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {drawings, photo, graphs, printButton})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(close);

    m_layout = new QVBoxLayout(this);
    m_layout->addWidget(m_group);
    m_layout->addStretch(1);
    m_layout->addLayout(buttons);

    connect(drawings, &QPushButton::clicked, this, &FanSheetWindow::openDrawing);
    connect(photo, &QPushButton::clicked, this, &FanSheetWindow::openPhoto);
    connect(graphs, &QPushButton::clicked, this, &FanSheetWindow::openGraphs);
    connect(printButton, &QPushButton::clicked, this, &FanSheetWindow::print);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    resize(640, 560);
}

void FanSheetWindow::addBelowResults(QWidget* widget)
{
    m_layout->insertWidget(1, widget);
}

void FanSheetWindow::showRows(const fans::SelectedFan& fan, const QString& caption,
    const std::vector<std::pair<QString, QString>>& rows)
{
    m_fan = fan;
    m_group->setTitle(caption);
    for (int row = 0; row < m_results->rowCount(); ++row) {
        const auto cells = size_t(row) < rows.size() ? rows[size_t(row)] : std::pair<QString, QString>();
        m_results->item(row, 0)->setText(cells.first);
        m_results->item(row, 1)->setText(cells.second);
    }
}

std::optional<fanviews::FanCurveSet> FanSheetWindow::loadCurves() const
{
    if (!m_fan)
        return std::nullopt;
    fanviews::FanCurveSet curves = fanviews::curveSetOf(m_fan->listed.found.curve);
    curves.dutyFlow = m_fan->flow;
    return curves;
}

void FanSheetWindow::openGraphs()
{
    if (const auto curves = loadCurves())
        openGraphsOf(*m_fan, *curves);
}

void FanSheetWindow::openDrawing()
{
    if (!m_fan)
        return;
    m_program.windows().get<TForm_Razmer>()->showDrawing(
        drawingTitlePrefix() + m_fan->designation, m_fan->designation);
}

void FanSheetWindow::openPhoto()
{
    if (!m_fan || !m_photoViewer)
        return;
    const fanviews::SeriesPhoto photo = fanviews::seriesPhotoOf(m_fan->designation);
    if (!m_photoViewer(u"ЗФН: Фотография серии: "_s + photo.seriesName, photo.fileName))
        ui::showMessage(notFound(photo.fileName), ui::MessageKind::Warning);
}

void FanSheetWindow::print()
{
    if (const auto curves = loadCurves())
        printOf(*m_fan, *curves);
}

TForm_ResImage::TForm_ResImage(ui::Program& program, QWidget* parent)
    : FanSheetWindow(program, 14, u"ЗФН: Характеристики крышного вентилятора"_s,
        u"Характеристики выбранного канального вентилятора:  "_s, parent)
{
    setObjectName(u"Form_ResImage"_s);
    m_octaves = new OctaveTable;
    addBelowResults(m_octaves);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

void TForm_ResImage::showFan(const fans::SelectedFan& fan)
{
    m_values = fans::fanSheetValuesOf(fan, systemDecimalSeparator());
    setWindowTitle(fanviews::sheetTitle(fanviews::fanKindOf(fan.designation)));
    showRows(fan, m_values.caption, m_values.rows);
    // A sheet already open shows the new fan's spectra at once rather than the previous fan's.
    if (isVisible())
        fillOctaves();
    show();
    raise();
    activateWindow();
}

void TForm_ResImage::showEvent(QShowEvent* event)
{
    FanSheetWindow::showEvent(event);
    fillOctaves();
}

QTableWidget* TForm_ResImage::octaveGrid() const
{
    return m_octaves->grid();
}

void TForm_ResImage::fillOctaves()
{
    const FanRecord noNoise;
    const FanRecord& record = fan() ? fan()->listed.record : noNoise;
    const QString designation = fan() ? fan()->designation : QString();
    m_octaves->showLevels(
        fanviews::soundPowerLevels(designation, record.lpaInput, record.lpaOutput, record.lpaArround));
}

void TForm_ResImage::openGraphsOf(const fans::SelectedFan& fan, const fanviews::FanCurveSet& curves)
{
    program().windows().get<TResult_Form>()->open(curves,
        fanviews::graphsTitlePrefix(fanviews::fanKindOf(fan.designation)) + fan.designation
            + fans::dutySpeedCaption(fan.listed, systemDecimalSeparator()));
}

QString TForm_ResImage::drawingTitlePrefix() const
{
    return fanviews::drawingTitlePrefix(fanviews::fanKindOf(fan() ? fan()->designation : QString()));
}

void TForm_ResImage::printOf(const fans::SelectedFan& fan, const fanviews::FanCurveSet& curves)
{
    program().windows().get<TQRep_vovazu_FORM>()->print(fan, m_values, curves);
}

TForm_ResImageSMK::TForm_ResImageSMK(ui::Program& program, QWidget* parent)
    : FanSheetWindow(program, fans::SmokeSheetValues::rowCount,
        u"ЗФН: Характеристики вентилятора дымоудаления"_s,
        u" Характеристики выбранного вентилятора дымоудаления: "_s, parent)
{
    setObjectName(u"Form_ResImageSMK"_s);
    resize(640, 420);
}

void TForm_ResImageSMK::showFan(const fans::SelectedFan& fan, const fans::SmokeSheetValues& values)
{
    m_values = values;
    showRows(fan, values.caption, values.rows);
    show();
    raise();
    activateWindow();
}

void TForm_ResImageSMK::openGraphsOf(const fans::SelectedFan& fan, const fanviews::FanCurveSet& curves)
{
    program().windows().get<TResult_FormSMK>()->open(
        curves, u"ЗФН: Графики характеристик вентилятора дымоудаления:  "_s + fan.designation);
}

QString TForm_ResImageSMK::drawingTitlePrefix() const
{
    return u"ЗФН: Основные размеры вентилятора дымоудаления:  "_s;
}

void TForm_ResImageSMK::printOf(const fans::SelectedFan& fan, const fanviews::FanCurveSet& curves)
{
    program().windows().get<TQRep_vovazu_FORMSMK>()->print(fan, m_values, curves);
}
