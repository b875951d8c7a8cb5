#include "smoke/ui/TMDIChildSmkCalk.h"

#include "common/NumberText.h"
#include "fans/HandedDuty.h"
#include "sections/ui/SectionTableWidget.h"
#include "smoke/SmokeCase.h"
#include "smoke/SmokeForm.h"
#include "smoke/SmokeProjectFile.h"
#include "smoke/ui/TdgSMKCalkYchastok.h"
#include "ui/DescriptionItem.h"
#include "ui/HandOver.h"
#include "ui/Hints.h"
#include "ui/Messages.h"
#include "ui/Program.h"
#include "ui/RadioGroupWidget.h"
#include "ui/SharedWindows.h"
#include "ui/SpinEditWidget.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using smoke::SmokeField;

namespace {

QGroupBox* makeGroup(QWidget* parent, const QString& caption = {})
{
    return new QGroupBox(caption, parent);
}

// A framed group around a control of the form.
QGroupBox* framed(QWidget* control, QWidget* parent, const QString& caption = {})
{
    auto* group = makeGroup(parent, caption);
    auto* column = new QVBoxLayout(group);
    column->addWidget(control);
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

QWidget* pageWidget(QVBoxLayout*& column)
{
    auto* page = new QWidget;
    column = new QVBoxLayout(page);
    return page;
}

// A group with number boxes of the form as rows.
QGroupBox* boxGroup(const ui::InputForm<smoke::SmokeProject, smoke::SmokeValues>& form, QWidget* parent,
    const QStringList& boxes, const QString& caption = {})
{
    auto* group = makeGroup(parent, caption);
    auto* grid = new QGridLayout(group);
    form.addRows(grid, boxes);
    grid->setColumnStretch(3, 1);
    return group;
}

void setEnabledAll(const QList<QWidget*>& widgets, bool enabled)
{
    for (QWidget* w : widgets)
        w->setEnabled(enabled);
}

} // namespace

namespace {

ui::DescriptionItem smokeDescription()
{
    ui::DescriptionItem item;
    item.windowCaption = u"Методика расчета системы дымоудаления:"_s;
    item.rtfFile = u"SmkCalk.rtf"_s;
    item.reportTitle = u"Методика расчета системы дымоудаления:"_s;
    item.reportPicture = u"Manualsmk.bmp"_s;
    item.missingFileMessage = u"Не удается найти файл SmkCalk.rtf?!"_s;
    return item;
}

} // namespace

TMDIChildSmkCalk::TMDIChildSmkCalk(ui::Program& program, QWidget* parent)
    : PagedCalculationWindow(program, 470, smoke::smokeProjectFile(), smokeDescription(), parent)
    , m_form(smoke::smokeInputs(), QString())
{
    setObjectName(u"MDIChildSmkCalk"_s);
    setWindowTitle(u"Расчет системы дымоудаления:"_s);
    buildControls();
    applyInputs(smoke::defaultSmokeProject());
    showReport();
}

void TMDIChildSmkCalk::buildControls()
{
    m_form.build(this);
    // The valve name is kept to the length the report and the project file hold.
    m_form.control<QLineEdit>(u"Input_Name_Klapan"_s)->setMaxLength(128);
    QTabWidget* pages = m_frame->pages;
    pages->addTab(buildFirstPage(), u"1"_s);
    pages->addTab(buildSecondPage(), u"2"_s);
    pages->addTab(buildThirdPage(), u"3"_s);
    pages->addTab(buildFourthPage(), u"4"_s);
    pages->addTab(buildFifthPage(), u"5"_s);
    m_run = new QPushButton(u"Подбор вентилятора"_s, m_frame->report->parentWidget());
    m_run->setObjectName(u"bRun"_s);
    m_run->setEnabled(false);
    m_frame->saveRow->addWidget(m_run);
    connect(m_run, &QPushButton::clicked, this, &TMDIChildSmkCalk::openFanSelection);
}

QRadioButton* TMDIChildSmkCalk::firstButton(const QString& pair) const
{
    return m_form.control(pair)->findChild<QRadioButton*>(pair);
}

QWidget* TMDIChildSmkCalk::buildFirstPage()
{
    QVBoxLayout* column = nullptr;
    QWidget* page = pageWidget(column);

    column->addWidget(m_frame->projectGroup(m_form.control(u"Input_ProjectName"_s), page));
    column->addWidget(makeHeading(u"Исходные данные помещения:"_s, page));

    column->addWidget(m_form.control(u"RB_G"_s));
    m_corridorGroup = framed(m_form.control(u"RB_X"_s), page);
    column->addWidget(m_corridorGroup);
    m_basisGroup = m_form.control(u"RB_SNIP"_s);
    column->addWidget(m_basisGroup);
    m_reservoirGroup = framed(m_form.control(u"RB_R"_s), page);
    column->addWidget(m_reservoirGroup);
    for (const QString& first : {u"RB_G"_s, u"RB_X"_s, u"RB_R"_s}) {
        connect(firstButton(first), &QRadioButton::toggled, this, &TMDIChildSmkCalk::updateFirstPage);
    }

    m_doorGroup = boxGroup(m_form, page, {u"Input_H"_s, u"Input_B"_s});
    column->addWidget(m_doorGroup);
    m_roomGroup = boxGroup(m_form, page, {u"Input_A"_s, u"Input_hh"_s});
    column->addWidget(m_roomGroup);
    m_curtainGroup
        = boxGroup(m_form, page, {u"Input_Yz"_s}, u" Расстояние от нижнего края завесы до пола, Yз: "_s);
    column->addWidget(m_curtainGroup);

    m_perimeterGroup = boxGroup(m_form, page, {u"Input_Pf"_s});
    auto* proposal = new QPushButton(u"Расчитать"_s, m_perimeterGroup);
    proposal->setObjectName(u"bCalck_Pf"_s);
    ui::setHint(proposal, u"Расчитаь (Pf = 0.38*КОРЕНЬ(A))"_s);
    static_cast<QGridLayout*>(m_perimeterGroup->layout())->addWidget(proposal, 0, 3, Qt::AlignLeft);
    connect(proposal, &QPushButton::clicked, this, &TMDIChildSmkCalk::proposeFirePerimeter);
    column->addWidget(m_perimeterGroup);
    column->addStretch(1);
    return page;
}

QWidget* TMDIChildSmkCalk::buildSecondPage()
{
    QVBoxLayout* column = nullptr;
    QWidget* page = pageWidget(column);
    column->addWidget(boxGroup(m_form, page, {u"Input_dH"_s}));
    m_evacueesGroup
        = boxGroup(m_form, page, {u"Input_Ke"_s}, u" Количество эвакуируемых через одну дверь, Kэ: "_s);
    column->addWidget(m_evacueesGroup);

    m_outdoorGroup = makeGroup(page);
    auto* outdoorGrid = new QGridLayout(m_outdoorGroup);
    m_form.addRows(outdoorGrid, {u"Input_Tn"_s, u"Input_V"_s, u"Input_Kd"_s, u"Input_Ad1"_s});
    m_doorArea2Row = m_form.addRows(outdoorGrid, {u"Input_Ad2"_s}, 4);
    m_doorArea3Row = m_form.addRows(outdoorGrid, {u"Input_Ad3"_s}, 5);
    outdoorGrid->setColumnStretch(3, 1);
    auto* doorCount = m_form.control<SpinEditWidget>(u"Input_Kd"_s);
    connect(doorCount, &SpinEditWidget::editingFinished, this, &TMDIChildSmkCalk::updateSecondPage);
    connect(doorCount->findChild<QLineEdit*>(), &QLineEdit::textChanged, this,
        &TMDIChildSmkCalk::updateSecondPage);
    column->addWidget(m_outdoorGroup);

    m_combustible = m_form.control(u"RB_2_4"_s);
    column->addWidget(m_combustible);
    column->addStretch(1);
    return page;
}

QWidget* TMDIChildSmkCalk::buildThirdPage()
{
    QVBoxLayout* column = nullptr;
    QWidget* page = pageWidget(column);
    column->addWidget(makeHeading(u"Параметры клапанов: "_s, page));
    column->addWidget(
        boxGroup(m_form, page, {u"Input_Nk"_s}, u" Количество клапанов дымоудаления на одном этаже, Nк: "_s));

    auto* branchGroup = makeGroup(page, u" Клапана на ответвлениях? : "_s);
    auto* branchGrid = new QGridLayout(branchGroup);
    branchGrid->addWidget(m_form.control(u"RB_3_Otv"_s), 0, 0, 1, 4);
    m_branchRows = m_form.addRows(branchGrid, {u"Input_Lo"_s, u"Input_Fo"_s}, 1);
    branchGrid->setColumnStretch(3, 1);
    connect(firstButton(u"RB_3_Otv"_s), &QRadioButton::toggled, this, &TMDIChildSmkCalk::updateThirdPage);
    column->addWidget(branchGroup);

    auto* valveGroup = makeGroup(page, u" Параметры клапана: "_s);
    auto* valveGrid = new QGridLayout(valveGroup);
    valveGrid->addWidget(new QLabel(u"Наименование клапана:"_s, valveGroup), 0, 0);
    valveGrid->addWidget(m_form.control(u"Input_Name_Klapan"_s), 0, 1, 1, 3);
    m_form.addRows(valveGrid, {u"Input_Fk"_s, u"Input_N"_s}, 1);
    valveGrid->setColumnStretch(3, 1);
    column->addWidget(valveGroup);

    column->addWidget(m_form.control(u"RG_3_1"_s));
    column->addWidget(m_form.control(u"RG_3_2"_s));
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
    auto* fanType = m_form.control<RadioGroupWidget>(u"RG_5_1"_s);
    connect(fanType, &RadioGroupWidget::itemIndexChanged, this, &TMDIChildSmkCalk::updateFifthPage);
    column->addWidget(fanType);
    m_outletHeightGroup
        = boxGroup(m_form, page, {u"Input_hv"_s}, u" Высота от оси вентилятора до края отвода, hв: "_s);
    column->addWidget(m_outletHeightGroup);
    m_outletGroup = boxGroup(m_form, page, {u"Input_Lv"_s, u"Input_dv"_s, u"Input_Gamma_Sopr"_s});
    column->addWidget(m_outletGroup);
    column->addStretch(1);
    return page;
}

smoke::SmokeProject TMDIChildSmkCalk::inputsAsTyped() const
{
    smoke::SmokeProject p = m_form.record();
    p.sections = m_sections->table();
    return p;
}

void TMDIChildSmkCalk::setInputs(const smoke::SmokeProject& p)
{
    // Each button receives its stored state, as the project file keeps them.
    m_form.apply(p);
    m_sections->setTable(p.sections);
    updateFirstPage();
    updateThirdPage();
    updateFifthPage();
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
    const smoke::SecondPageLayout layout = smoke::secondPageLayout(c, wizard().values().largeFire,
        parseNumber(ui::inputText(m_form.control(u"Input_Kd"_s)), systemDecimalSeparator()));
    m_evacueesGroup->setVisible(layout.evacuees);
    m_outdoorGroup->setVisible(layout.outdoor);
    m_combustible->setVisible(layout.combustible);
    setEnabledAll(m_doorArea2Row, layout.doorArea2Enabled);
    setEnabledAll(m_doorArea3Row, layout.doorArea3Enabled);
}

void TMDIChildSmkCalk::updateThirdPage()
{
    setEnabledAll(m_branchRows, inputsAsTyped().branchValves);
}

void TMDIChildSmkCalk::updateFifthPage()
{
    const bool other = smoke::outletShown(inputsAsTyped());
    m_outletHeightGroup->setVisible(other);
    m_outletGroup->setVisible(other);
}

void TMDIChildSmkCalk::focusField(SmokeField field)
{
    if (field == SmokeField::Sections)
        m_sections->grid()->setFocus(Qt::OtherFocusReason);
    else
        m_form.focus(static_cast<int>(field));
}

void TMDIChildSmkCalk::applyPageRules(int page)
{
    switch (page) {
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
}

void TMDIChildSmkCalk::pageEntered()
{
    // Page 2 follows the fire that page 1 found.
    updateSecondPage();
}

void TMDIChildSmkCalk::showResult()
{
    m_run->setEnabled(true);
}

void TMDIChildSmkCalk::clearResult()
{
    m_run->setEnabled(false);
}

void TMDIChildSmkCalk::proposeFirePerimeter()
{
    const smoke::FirePerimeterProposal proposal
        = smoke::proposeFirePerimeter(inputsAsTyped(), systemDecimalSeparator());
    for (const QString& message : proposal.reading.messages)
        ui::showMessage(message, ui::MessageKind::Warning);
    focusField(proposal.reading.focus);
    if (proposal.reading.ok)
        ui::setInputText(m_form.control(u"Input_Pf"_s), proposal.text);
}

void TMDIChildSmkCalk::openFanSelection()
{
    if (const std::optional<SmokeDuty> duty = smoke::smokeDuty(wizard()))
        ui::handOver(m_program, u"ActionSmkFanSelect"_s,
            fans::HandedSmokeDuty {duty->flow, duty->pressure, duty->roofFan, duty->hotGas});
}
