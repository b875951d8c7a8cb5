#include "smoke/ui/TMDIChildSmkCalk.h"

#include "common/NumberText.h"
#include "pages/ReportPages.h"
#include "sections/ui/SectionTableWidget.h"
#include "smoke/SmokeCase.h"
#include "smoke/SmokeProjectFile.h"
#include "smoke/ui/TdgSMKCalkYchastok.h"
#include "ui/DescriptionItem.h"
#include "ui/FileDialogs.h"
#include "ui/HandOver.h"
#include "ui/Hints.h"
#include "ui/Messages.h"
#include "ui/Program.h"
#include "ui/RadioGroupWidget.h"
#include "ui/RtfReader.h"
#include "ui/SharedWindows.h"
#include "ui/SpinEditWidget.h"

#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/MenuMerge.h"

using namespace Qt::StringLiterals;
using smoke::SmokeField;

namespace {

SpinEditWidget* makeSpin(QWidget* parent, const QString& name, const QString& text, double step = 1)
{
    auto* spin = new SpinEditWidget(parent);
    spin->setObjectName(name);
    spin->setText(text);
    spin->setStep(step);
    spin->setMinimumWidth(80);
    spin->setMaximumWidth(110);
    return spin;
}

// Caption, box and unit on one row of a grid; returns the three widgets so that they can be shown,
// hidden or disabled together.
QList<QWidget*> addRow(QGridLayout* grid, const QString& caption, QWidget* box, const QString& unit = {})
{
    const int row = grid->rowCount();
    auto* label = new QLabel(caption);
    label->setBuddy(box);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    QList<QWidget*> widgets {label, box};
    if (!unit.isEmpty()) {
        auto* unitLabel = new QLabel(unit);
        grid->addWidget(unitLabel, row, 2);
        widgets << unitLabel;
    }
    grid->setColumnStretch(3, 1);
    return widgets;
}

QGroupBox* makeGroup(QWidget* parent, const QString& caption = {})
{
    auto* group = new QGroupBox(caption, parent);
    return group;
}

QLabel* makeHeading(const QString& text, QWidget* parent)
{
    auto* heading = new QLabel(text, parent);
    QFont font = heading->font();
    font.setBold(true);
    heading->setFont(font);
    heading->setStyleSheet(u"color: blue;"_s);
    return heading;
}

QRadioButton* makeRadio(const QString& caption, const QString& name, QWidget* parent)
{
    auto* radio = new QRadioButton(caption, parent);
    radio->setObjectName(name);
    return radio;
}

QWidget* pageWidget(QVBoxLayout*& column)
{
    auto* page = new QWidget;
    column = new QVBoxLayout(page);
    return page;
}

void setEnabledAll(const QList<QWidget*>& widgets, bool enabled)
{
    for (QWidget* w : widgets)
        w->setEnabled(enabled);
}

} // namespace

TMDIChildSmkCalk::TMDIChildSmkCalk(ui::Program& program, QWidget* parent)
    : QWidget(parent)
    , m_program(program)
{
    setObjectName(u"MDIChildSmkCalk"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Расчет системы дымоудаления:"_s);
    buildControls();
    applyInputs(smoke::SmokeProject());
    showReport();
}

void TMDIChildSmkCalk::buildControls()
{
    auto* panelIn = new QWidget(this);
    panelIn->setObjectName(u"PanelIn"_s);
    m_pages = new QTabWidget(panelIn);
    m_pages->setObjectName(u"PageControl"_s);
    m_pages->addTab(buildFirstPage(), u"1"_s);
    m_pages->addTab(buildSecondPage(), u"2"_s);
    m_pages->addTab(buildThirdPage(), u"3"_s);
    m_pages->addTab(buildFourthPage(), u"4"_s);
    m_pages->addTab(buildFifthPage(), u"5"_s);
    // Only "Далее" and "Назад" change the page: clicks on the tabs are swallowed.
    m_pages->tabBar()->installEventFilter(this);

    m_prev = new QPushButton(u"<< Назад"_s, panelIn);
    m_prev->setObjectName(u"bPrev"_s);
    ui::setHint(m_prev, u"Назад|Назад"_s);
    m_next = new QPushButton(u"Далее >>"_s, panelIn);
    m_next->setObjectName(u"bNext"_s);
    ui::setHint(m_next, u"Далее|Далее"_s);
    m_next->setDefault(true);
    auto* description = new QPushButton(u"Описание"_s, panelIn);
    description->setObjectName(u"Button5"_s);
    auto* steps = new QHBoxLayout;
    steps->addWidget(m_prev);
    steps->addWidget(m_next);
    steps->addStretch(1);
    steps->addWidget(description);
    auto* inColumn = new QVBoxLayout(panelIn);
    inColumn->setContentsMargins(0, 0, 0, 0);
    inColumn->addWidget(m_pages, 1);
    inColumn->addLayout(steps);

    auto* panelOut = new QWidget(this);
    panelOut->setObjectName(u"PanelOut"_s);
    m_report = new QTextEdit(panelOut);
    m_report->setObjectName(u"JvRichEditOut"_s);
    m_report->setReadOnly(true);
    // The pane's colour 15793151 (F0FAFF in blue-green-red order).
    m_report->setStyleSheet(u"QTextEdit#JvRichEditOut { background-color: #FFFAF0; }"_s);
    auto* saveReportButton = new QPushButton(u"Отчет в файл"_s, panelOut);
    saveReportButton->setObjectName(u"bSaveToFile"_s);
    m_run = new QPushButton(u"Подбор вентилятора"_s, panelOut);
    m_run->setObjectName(u"bRun"_s);
    m_run->setEnabled(false);
    auto* outButtons = new QHBoxLayout;
    outButtons->addWidget(saveReportButton);
    outButtons->addStretch(1);
    outButtons->addWidget(m_run);
    auto* outColumn = new QVBoxLayout(panelOut);
    outColumn->setContentsMargins(0, 0, 0, 0);
    outColumn->addWidget(m_report, 1);
    outColumn->addLayout(outButtons);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(panelIn, 0);
    layout->addWidget(panelOut, 1);
    panelIn->setFixedWidth(470);

    auto* fileMenu = new QMenu(u"Файл"_s, this);
    fileMenu->setObjectName(u"MenuFile"_s);
    ui::setMergeGroup(fileMenu, 1);
    QAction* open = fileMenu->addAction(u"Загрузить файл проекта"_s);
    open->setObjectName(u"OpenFile"_s);
    QAction* save = fileMenu->addAction(u"Сохранить проект как..."_s);
    save->setObjectName(u"SaveFile"_s);

    connect(m_next, &QPushButton::clicked, this, &TMDIChildSmkCalk::nextStep);
    connect(m_prev, &QPushButton::clicked, this, &TMDIChildSmkCalk::previousStep);
    connect(description, &QPushButton::clicked, this, &TMDIChildSmkCalk::showDescription);
    connect(saveReportButton, &QPushButton::clicked, this, &TMDIChildSmkCalk::saveReport);
    connect(m_run, &QPushButton::clicked, this, &TMDIChildSmkCalk::openFanSelection);
    connect(open, &QAction::triggered, this, &TMDIChildSmkCalk::loadProject);
    connect(save, &QAction::triggered, this, &TMDIChildSmkCalk::saveProject);
}

QWidget* TMDIChildSmkCalk::buildFirstPage()
{
    QVBoxLayout* column = nullptr;
    QWidget* page = pageWidget(column);

    auto* projectGroup = makeGroup(page, u" Наименование проекта: "_s);
    auto* projectRow = new QHBoxLayout(projectGroup);
    m_projectName = new QLineEdit(projectGroup);
    m_projectName->setObjectName(u"Input_ProjectName"_s);
    auto* open = new QToolButton(projectGroup);
    open->setObjectName(u"SpeedButtonOpen"_s);
    open->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    ui::setHint(open, u"Загрузить проект из файла|Загрузить проект из файла"_s);
    auto* save = new QToolButton(projectGroup);
    save->setObjectName(u"SpeedButtonSave"_s);
    save->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    ui::setHint(save, u"Сохранить проект в файле|Сохранить проект в файле"_s);
    projectRow->addWidget(m_projectName, 1);
    projectRow->addWidget(open);
    projectRow->addWidget(save);
    connect(open, &QToolButton::clicked, this, &TMDIChildSmkCalk::loadProject);
    connect(save, &QToolButton::clicked, this, &TMDIChildSmkCalk::saveProject);
    column->addWidget(projectGroup);
    column->addWidget(makeHeading(u"Исходные данные помещения:"_s, page));

    const auto pair
        = [&](QGroupBox* group, QRadioButton*& first, const QString& firstCaption, const QString& firstName,
              QRadioButton*& second, const QString& secondCaption, const QString& secondName) {
              auto* row = new QHBoxLayout(group);
              first = makeRadio(firstCaption, firstName, group);
              second = makeRadio(secondCaption, secondName, group);
              row->addWidget(first);
              row->addWidget(second);
              row->addStretch(1);
              column->addWidget(group);
              connect(first, &QRadioButton::toggled, this, &TMDIChildSmkCalk::updateFirstPage);
          };
    pair(makeGroup(page, u" Здание: "_s), m_residential, u"Жилое"_s, u"RB_G"_s, m_other, u"Другое"_s,
        u"RB_D"_s);
    m_corridorGroup = makeGroup(page);
    pair(m_corridorGroup, m_corridor, u"Коридор, холл"_s, u"RB_X"_s, m_room, u"Помещение"_s, u"RB_P"_s);
    m_basisGroup = makeGroup(page, u"Расчет по: "_s);
    pair(m_basisGroup, m_snip, u"- СНиП"_s, u"RB_SNIP"_s, m_recommendation, u"- рекомендациям"_s,
        u"RB_NoSnip"_s);
    m_reservoirGroup = makeGroup(page);
    pair(m_reservoirGroup, m_reservoir, u"Резервуар дыма"_s, u"RB_R"_s, m_sprinkler,
        u"Оборудовано спринклерной системой"_s, u"RB_C"_s);

    m_doorGroup = makeGroup(page);
    auto* doorGrid = new QGridLayout(m_doorGroup);
    m_doorHeight = makeSpin(m_doorGroup, u"Input_H"_s, u"2"_s);
    m_doorWidth = makeSpin(m_doorGroup, u"Input_B"_s, u"1"_s);
    addRow(doorGrid, u"Высота двери, H: "_s, m_doorHeight, u"м"_s);
    addRow(doorGrid, u"Ширина двери, B: "_s, m_doorWidth, u"м"_s);
    column->addWidget(m_doorGroup);

    m_roomGroup = makeGroup(page);
    auto* roomGrid = new QGridLayout(m_roomGroup);
    m_roomArea = makeSpin(m_roomGroup, u"Input_A"_s, u"500"_s, 50);
    m_roomHeight = makeSpin(m_roomGroup, u"Input_hh"_s, u"4"_s);
    addRow(roomGrid, u"Площадь помещения, A: "_s, m_roomArea, u"м2"_s);
    addRow(roomGrid, u"Высота помещения, h: "_s, m_roomHeight, u"м"_s);
    column->addWidget(m_roomGroup);

    m_curtainGroup = makeGroup(page, u" Расстояние от нижнего края завесы до пола, Yз: "_s);
    auto* curtainGrid = new QGridLayout(m_curtainGroup);
    m_curtainHeight = makeSpin(m_curtainGroup, u"Input_Yz"_s, u"2"_s);
    addRow(curtainGrid, u"Yз: "_s, m_curtainHeight, u"м"_s);
    column->addWidget(m_curtainGroup);

    m_perimeterGroup = makeGroup(page);
    auto* perimeterGrid = new QGridLayout(m_perimeterGroup);
    m_firePerimeter = makeSpin(m_perimeterGroup, u"Input_Pf"_s, u"0"_s);
    auto* proposal = new QPushButton(u"Расчитать"_s, m_perimeterGroup);
    proposal->setObjectName(u"bCalck_Pf"_s);
    ui::setHint(proposal, u"Расчитаь (Pf = 0.38*КОРЕНЬ(A))"_s);
    addRow(perimeterGrid, u"Периметр очага пожара, Pf: "_s, m_firePerimeter, u"м"_s);
    perimeterGrid->addWidget(proposal, perimeterGrid->rowCount() - 1, 3, Qt::AlignLeft);
    connect(proposal, &QPushButton::clicked, this, &TMDIChildSmkCalk::proposeFirePerimeter);
    column->addWidget(m_perimeterGroup);
    column->addStretch(1);
    return page;
}

QWidget* TMDIChildSmkCalk::buildSecondPage()
{
    QVBoxLayout* column = nullptr;
    QWidget* page = pageWidget(column);
    auto* heightGroup = makeGroup(page);
    auto* heightGrid = new QGridLayout(heightGroup);
    m_heightDifference = makeSpin(heightGroup, u"Input_dH"_s, u"3"_s);
    addRow(heightGrid, u"Перепад высот от оси клапана -\nдо оси вентилятора, dH: "_s, m_heightDifference,
        u"м"_s);
    column->addWidget(heightGroup);

    m_evacueesGroup = makeGroup(page, u" Количество эвакуируемых через одну дверь, Kэ: "_s);
    auto* evacueesGrid = new QGridLayout(m_evacueesGroup);
    m_evacuees = makeSpin(m_evacueesGroup, u"Input_Ke"_s, u"30"_s, 5);
    addRow(evacueesGrid, u"Kэ: "_s, m_evacuees, u"человек"_s);
    column->addWidget(m_evacueesGroup);

    m_outdoorGroup = makeGroup(page);
    auto* outdoorGrid = new QGridLayout(m_outdoorGroup);
    m_outdoorTemperature = makeSpin(m_outdoorGroup, u"Input_Tn"_s, u"15"_s);
    m_windSpeed = makeSpin(m_outdoorGroup, u"Input_V"_s, u"2"_s);
    m_doorCount = makeSpin(m_outdoorGroup, u"Input_Kd"_s, u"1"_s);
    m_doorArea1 = makeSpin(m_outdoorGroup, u"Input_Ad1"_s, u"2"_s);
    m_doorArea2 = makeSpin(m_outdoorGroup, u"Input_Ad2"_s, u"2"_s);
    m_doorArea3 = makeSpin(m_outdoorGroup, u"Input_Ad3"_s, u"2"_s);
    addRow(outdoorGrid, u"Температура наружного воздуха, Tн:"_s, m_outdoorTemperature, u"°C"_s);
    addRow(outdoorGrid, u"Скорость ветра, V:"_s, m_windSpeed, u"м/сек"_s);
    addRow(outdoorGrid, u"Количество последовательных дверей\nдля выхода из помещения на улицу, Kd:"_s,
        m_doorCount);
    addRow(outdoorGrid, u"Площадь дверей на улицу, Aд1:"_s, m_doorArea1, u"м2"_s);
    m_doorArea2Row = addRow(outdoorGrid, u"Площадь дверей из помещения, Aд2:"_s, m_doorArea2, u"м2"_s);
    m_doorArea3Row = addRow(outdoorGrid, u"Площадь промежуточных дверей, Aд3:"_s, m_doorArea3, u"м2"_s);
    connect(m_doorCount, &SpinEditWidget::editingFinished, this, &TMDIChildSmkCalk::updateSecondPage);
    connect(m_doorCount->findChild<QLineEdit*>(), &QLineEdit::textChanged, this,
        &TMDIChildSmkCalk::updateSecondPage);
    column->addWidget(m_outdoorGroup);

    m_combustible = new RadioGroupWidget(u" Горючее вещество: "_s, smoke::combustibleNames(), 2, page);
    m_combustible->setObjectName(u"RB_2_4"_s);
    column->addWidget(m_combustible);
    column->addStretch(1);
    return page;
}

QWidget* TMDIChildSmkCalk::buildThirdPage()
{
    QVBoxLayout* column = nullptr;
    QWidget* page = pageWidget(column);
    column->addWidget(makeHeading(u"Параметры клапанов: "_s, page));
    auto* countGroup = makeGroup(page, u" Количество клапанов дымоудаления на одном этаже, Nк: "_s);
    auto* countGrid = new QGridLayout(countGroup);
    m_valvesPerFloor = makeSpin(countGroup, u"Input_Nk"_s, u"1"_s);
    addRow(countGrid, u"Nк: "_s, m_valvesPerFloor);
    column->addWidget(countGroup);

    auto* branchGroup = makeGroup(page, u" Клапана на ответвлениях? : "_s);
    auto* branchGrid = new QGridLayout(branchGroup);
    m_branchYes = makeRadio(u"Да"_s, u"RB_3_Otv"_s, branchGroup);
    m_branchNo = makeRadio(u"Нет"_s, u"RB_3_Otv_without"_s, branchGroup);
    branchGrid->addWidget(m_branchYes, 0, 0);
    branchGrid->addWidget(m_branchNo, 0, 1);
    m_branchLength = makeSpin(branchGroup, u"Input_Lo"_s, u"10"_s);
    m_branchArea = makeSpin(branchGroup, u"Input_Fo"_s, u"1"_s);
    m_branchRows = addRow(branchGrid, u"Длина ответвления, Lo:"_s, m_branchLength, u"м"_s);
    m_branchRows << addRow(
        branchGrid, u"Площадь проходного сечения -\nответвления, Fo:"_s, m_branchArea, u"м2"_s);
    connect(m_branchYes, &QRadioButton::toggled, this, &TMDIChildSmkCalk::updateThirdPage);
    column->addWidget(branchGroup);

    auto* valveGroup = makeGroup(page, u" Параметры клапана: "_s);
    auto* valveGrid = new QGridLayout(valveGroup);
    m_valveName = new QLineEdit(valveGroup);
    m_valveName->setObjectName(u"Input_Name_Klapan"_s);
    m_valveName->setMaxLength(128);
    valveGrid->addWidget(new QLabel(u"Наименование клапана:"_s, valveGroup), 0, 0);
    valveGrid->addWidget(m_valveName, 0, 1, 1, 3);
    m_valveArea = makeSpin(valveGroup, u"Input_Fk"_s, u"1"_s);
    m_floors = makeSpin(valveGroup, u"Input_N"_s, u"25"_s);
    addRow(valveGrid, u"Площадь проходного сечения -\nклапана, Fк:"_s, m_valveArea, u"м2"_s);
    addRow(valveGrid, u"Число этажей здания с клапанами -\nдымоудаления, N:"_s, m_floors);
    column->addWidget(valveGroup);

    m_shaftEntry = new RadioGroupWidget(u" Вход из клапана в дымовую шахту под углом: "_s,
        {u"- 90 градусов"_s, u"- меньше 90 градусов"_s}, 2, page);
    m_shaftEntry->setObjectName(u"RG_3_1"_s);
    m_grille = new RadioGroupWidget(u" Клапан с декоративной решеткой? "_s, {u"- Да"_s, u"- Нет"_s}, 2, page);
    m_grille->setObjectName(u"RG_3_2"_s);
    column->addWidget(m_shaftEntry);
    column->addWidget(m_grille);
    column->addStretch(1);
    return page;
}

QWidget* TMDIChildSmkCalk::buildFourthPage()
{
    QVBoxLayout* column = nullptr;
    QWidget* page = pageWidget(column);
    column->addWidget(makeHeading(u"Параметры дымохода:"_s, page));
    auto* group = makeGroup(page, u" Участки шахты разного проходного сечения: "_s);
    auto* groupColumn = new QVBoxLayout(group);
    groupColumn->addWidget(new QLabel(u"    -  (один или более участков)"_s, group));
    m_sections = new SectionTableWidget(u"StringGrid_Ychastki"_s, group);
    m_sections->setDialog(m_program.windows().get<TdgSMKCalkYchastok>());
    groupColumn->addWidget(m_sections, 1);
    column->addWidget(group, 1);
    return page;
}

QWidget* TMDIChildSmkCalk::buildFifthPage()
{
    QVBoxLayout* column = nullptr;
    QWidget* page = pageWidget(column);
    m_fanType = new RadioGroupWidget(u" Тип необходимого вентилятора: "_s, smoke::fanTypeNames(), 2, page);
    m_fanType->setObjectName(u"RG_5_1"_s);
    connect(m_fanType, &RadioGroupWidget::itemIndexChanged, this, &TMDIChildSmkCalk::updateFifthPage);
    column->addWidget(m_fanType);

    m_outletHeightGroup = makeGroup(page, u" Высота от оси вентилятора до края отвода, hв: "_s);
    auto* heightGrid = new QGridLayout(m_outletHeightGroup);
    m_fanOutletHeight = makeSpin(m_outletHeightGroup, u"Input_hv"_s, u"2"_s);
    addRow(heightGrid, u"hв: "_s, m_fanOutletHeight, u"м"_s);
    column->addWidget(m_outletHeightGroup);

    m_outletGroup = makeGroup(page);
    auto* outletGrid = new QGridLayout(m_outletGroup);
    m_outletLength = makeSpin(m_outletGroup, u"Input_Lv"_s, u"4"_s);
    m_outletDiameter = makeSpin(m_outletGroup, u"Input_dv"_s, u"1"_s);
    m_outletResistance = makeSpin(m_outletGroup, u"Input_Gamma_Sopr"_s, u"1"_s);
    addRow(outletGrid, u"Длина участка, Lв: "_s, m_outletLength, u"м"_s);
    addRow(outletGrid, u"Диаметр участка, dв: "_s, m_outletDiameter, u"м"_s);
    addRow(outletGrid, u"Коэффициент сопротивления участка, Y: "_s, m_outletResistance);
    column->addWidget(m_outletGroup);
    column->addStretch(1);
    return page;
}

bool TMDIChildSmkCalk::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pages->tabBar()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

smoke::SmokeProject TMDIChildSmkCalk::inputsAsTyped() const
{
    smoke::SmokeProject p;
    p.projectName = m_projectName->text();
    p.residential = m_residential->isChecked();
    p.otherBuilding = m_other->isChecked();
    p.corridor = m_corridor->isChecked();
    p.room = m_room->isChecked();
    p.reservoir = m_reservoir->isChecked();
    p.sprinkler = m_sprinkler->isChecked();
    p.bySnip = m_snip->isChecked();
    p.byRecommendation = m_recommendation->isChecked();
    p.doorHeight = m_doorHeight->text();
    p.doorWidth = m_doorWidth->text();
    p.roomArea = m_roomArea->text();
    p.roomHeight = m_roomHeight->text();
    p.curtainHeight = m_curtainHeight->text();
    p.firePerimeter = m_firePerimeter->text();
    p.heightDifference = m_heightDifference->text();
    p.evacuees = m_evacuees->text();
    p.outdoorTemperature = m_outdoorTemperature->text();
    p.windSpeed = m_windSpeed->text();
    p.doorCount = m_doorCount->text();
    p.doorArea1 = m_doorArea1->text();
    p.doorArea2 = m_doorArea2->text();
    p.doorArea3 = m_doorArea3->text();
    p.combustible = std::max(0, m_combustible->itemIndex());
    p.valvesPerFloor = m_valvesPerFloor->text();
    p.branchValves = m_branchYes->isChecked();
    p.noBranchValves = m_branchNo->isChecked();
    p.branchLength = m_branchLength->text();
    p.branchArea = m_branchArea->text();
    p.valveName = m_valveName->text();
    p.valveArea = m_valveArea->text();
    p.floors = m_floors->text();
    p.shaftEntry = std::max(0, m_shaftEntry->itemIndex());
    p.grille = std::max(0, m_grille->itemIndex());
    p.sections = m_sections->table();
    p.fanType = std::max(0, m_fanType->itemIndex());
    p.fanOutletHeight = m_fanOutletHeight->text();
    p.outletLength = m_outletLength->text();
    p.outletDiameter = m_outletDiameter->text();
    p.outletResistance = m_outletResistance->text();
    return p;
}

void TMDIChildSmkCalk::applyInputs(const smoke::SmokeProject& p)
{
    m_projectName->setText(p.projectName);
    // Each button receives its stored state, as the project file keeps them.
    const std::pair<QRadioButton*, bool> choices[] = {{m_residential, p.residential},
        {m_other, p.otherBuilding}, {m_corridor, p.corridor}, {m_room, p.room}, {m_reservoir, p.reservoir},
        {m_sprinkler, p.sprinkler}, {m_snip, p.bySnip}, {m_recommendation, p.byRecommendation},
        {m_branchYes, p.branchValves}, {m_branchNo, p.noBranchValves}};
    for (const auto& [button, checked] : choices) {
        if (checked)
            button->setChecked(true);
    }
    const std::pair<SpinEditWidget*, QString> boxes[]
        = {{m_doorHeight, p.doorHeight}, {m_doorWidth, p.doorWidth}, {m_roomArea, p.roomArea},
            {m_roomHeight, p.roomHeight}, {m_curtainHeight, p.curtainHeight},
            {m_firePerimeter, p.firePerimeter}, {m_heightDifference, p.heightDifference},
            {m_evacuees, p.evacuees}, {m_outdoorTemperature, p.outdoorTemperature},
            {m_windSpeed, p.windSpeed}, {m_doorCount, p.doorCount}, {m_doorArea1, p.doorArea1},
            {m_doorArea2, p.doorArea2}, {m_doorArea3, p.doorArea3}, {m_valvesPerFloor, p.valvesPerFloor},
            {m_branchLength, p.branchLength}, {m_branchArea, p.branchArea}, {m_valveArea, p.valveArea},
            {m_floors, p.floors}, {m_fanOutletHeight, p.fanOutletHeight}, {m_outletLength, p.outletLength},
            {m_outletDiameter, p.outletDiameter}, {m_outletResistance, p.outletResistance}};
    for (const auto& [box, text] : boxes)
        box->setText(text);
    m_valveName->setText(p.valveName);
    m_combustible->setItemIndex(p.combustible);
    m_shaftEntry->setItemIndex(p.shaftEntry);
    m_grille->setItemIndex(p.grille);
    m_fanType->setItemIndex(p.fanType);
    m_sections->setTable(p.sections);
    m_wizard.restart();
    m_pages->setCurrentIndex(0);
    updateFirstPage();
    updateThirdPage();
    updateFifthPage();
    updatePageButtons();
}

void TMDIChildSmkCalk::updateFirstPage()
{
    const smoke::FirstPageLayout layout = smoke::firstPageLayout(smoke::smokeCase(inputsAsTyped()));
    m_corridorGroup->setVisible(layout.corridorOrRoom);
    m_basisGroup->setVisible(layout.calculationBasis);
    m_reservoirGroup->setVisible(layout.reservoirOrSprinkler);
    m_doorGroup->setVisible(layout.door);
    m_roomGroup->setVisible(layout.roomSize);
    m_curtainGroup->setVisible(layout.curtain);
    m_perimeterGroup->setVisible(layout.firePerimeter);
}

void TMDIChildSmkCalk::updateSecondPage()
{
    const smoke::SmokeCase c = smoke::smokeCase(inputsAsTyped());
    const smoke::SecondPageLayout layout = smoke::secondPageLayout(
        c, m_wizard.values().largeFire, parseNumber(m_doorCount->text(), systemDecimalSeparator()));
    m_evacueesGroup->setVisible(layout.evacuees);
    m_outdoorGroup->setVisible(layout.outdoor);
    m_combustible->setVisible(layout.combustible);
    setEnabledAll(m_doorArea2Row, layout.doorArea2Enabled);
    setEnabledAll(m_doorArea3Row, layout.doorArea3Enabled);
}

void TMDIChildSmkCalk::updateThirdPage()
{
    setEnabledAll(m_branchRows, m_branchYes->isChecked());
}

void TMDIChildSmkCalk::updateFifthPage()
{
    const bool other = smoke::outletShown(inputsAsTyped());
    m_outletHeightGroup->setVisible(other);
    m_outletGroup->setVisible(other);
}

void TMDIChildSmkCalk::updatePageButtons()
{
    const int page = m_wizard.page();
    m_pages->setCurrentIndex(page - 1);
    m_prev->setEnabled(page > 1);
    m_next->setText(page == smoke::smokePageCount ? u"Расчет"_s : u"Далее >>"_s);
}

void TMDIChildSmkCalk::showReport()
{
    ui::readRtf(m_wizard.report().document(), *m_report->document());
}

void TMDIChildSmkCalk::focusField(SmokeField field)
{
    const QString name = smoke::smokeFieldControl(field);
    if (name.isEmpty())
        return;
    if (auto* control = findChild<QWidget*>(name))
        control->setFocus(Qt::OtherFocusReason);
}

void TMDIChildSmkCalk::nextStep()
{
    switch (m_wizard.page()) {
    case 1:
        updateFirstPage();
        break;
    case 2:
        updateSecondPage();
        break;
    case 3:
        updateThirdPage();
        break;
    case 5:
        updateFifthPage();
        break;
    default:
        break;
    }
    m_run->setEnabled(false);
    const smoke::SmokeStep step = m_wizard.next(inputsAsTyped(), systemDecimalSeparator());
    showReport();
    for (const QString& message : step.messages)
        ui::showMessage(message, ui::MessageKind::Warning);
    focusField(step.focus);
    if (!step.ok)
        return;
    if (step.calculated) {
        m_run->setEnabled(true);
        return;
    }
    updateSecondPage();
    updatePageButtons();
}

void TMDIChildSmkCalk::previousStep()
{
    m_wizard.back();
    updatePageButtons();
}

void TMDIChildSmkCalk::proposeFirePerimeter()
{
    const smoke::FirePerimeterProposal proposal
        = smoke::proposeFirePerimeter(inputsAsTyped(), systemDecimalSeparator());
    for (const QString& message : proposal.reading.messages)
        ui::showMessage(message, ui::MessageKind::Warning);
    focusField(proposal.reading.focus);
    if (proposal.reading.ok)
        m_firePerimeter->setText(proposal.text);
}

void TMDIChildSmkCalk::openFanSelection()
{
    if (const std::optional<SmokeDuty> duty = m_wizard.duty())
        ui::handOver(m_program, u"ActionSmkFanSelect"_s, *duty);
}

void TMDIChildSmkCalk::saveReport()
{
    const QString path = ui::getSaveFileName(this, u"Сохранить отчет как текстовый файл"_s,
        u"Рисунок JPEG (*.jpg)|*.jpg|Документ PDF (*.pdf)|*.pdf"_s, u"txt"_s, m_projectName->text());
    if (path.isEmpty())
        return;
    const QByteArray& document = m_wizard.report().document();
    const pages::PagesWritten written = QFileInfo(path).suffix().compare(u"pdf"_s, Qt::CaseInsensitive) == 0
        ? pages::writePagesPdf(document, path)
        : pages::writePageImages(document, path);
    if (written.error)
        ui::showMessage(*written.error, ui::MessageKind::Error);
}

void TMDIChildSmkCalk::loadProject()
{
    const QString path = ui::getOpenFileName(
        this, smoke::smokeProjectOpenTitle(), smoke::smokeProjectFilter(), smoke::smokeProjectSuffix());
    if (path.isEmpty())
        return;
    const smoke::SmokeProjectLoad load = smoke::loadSmokeProject(path, systemDecimalSeparator());
    for (const QString& message : load.messages)
        ui::showMessage(message, ui::MessageKind::Warning);
    if (load.project)
        applyInputs(*load.project);
}

void TMDIChildSmkCalk::saveProject()
{
    const QString path = ui::getSaveFileName(this, smoke::smokeProjectSaveTitle(),
        smoke::smokeProjectFilter(), smoke::smokeProjectSuffix(), m_projectName->text() + u".smkprj"_s);
    if (path.isEmpty())
        return;
    if (const auto error = smoke::saveSmokeProject(path, inputsAsTyped(), systemDecimalSeparator()))
        ui::showMessage(*error, ui::MessageKind::Error);
}

void TMDIChildSmkCalk::showDescription()
{
    ui::DescriptionItem item;
    item.windowCaption = u"Методика расчета системы дымоудаления:"_s;
    item.rtfFile = u"SmkCalk.rtf"_s;
    item.reportTitle = u"Методика расчета системы дымоудаления:"_s;
    item.reportPicture = u"Manualsmk.bmp"_s;
    item.missingFileMessage = u"Не удается найти файл SmkCalk.rtf?!"_s;
    m_program.showDescription(item);
}
