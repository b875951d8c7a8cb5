#include "fans/ui/FanSelectionWindow.h"

#include "common/NumberText.h"
#include "common/StoreError.h"
#include "fans/FoundFansContent.h"
#include "fans/GeneralSelection.h"
#include "fans/SelectionValidation.h"
#include "fans/SpeedControlledContent.h"
#include "fans/ui/FanSearchControls.h"
#include "fans/ui/FansFoundWindow.h"
#include "fans/ui/ListedSelection.h"
#include "fans/ui/RequiredDuty.h"
#include "fans/ui/SelectionWindowParts.h"
#include "ui/Messages.h"
#include "ui/NumberInput.h"
#include "ui/Program.h"
#include "ui/SharedWindows.h"
#include "ui/SpinEditWidget.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSplitter>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using fans::FanGroup;

namespace {

constexpr int iconRole = FanSearchControls::iconRole;

QLabel* unitLabel(const QString& text)
{
    auto* label = new QLabel(text);
    label->setToolTip(u"Паскаль"_s);
    return label;
}

} // namespace

TMDIChild::TMDIChild(ui::Program& program, QWidget* parent)
    : QWidget(parent)
    , m_program(program)
{
    setObjectName(u"MDIChild"_s);
    setWindowTitle(u"Подбор вентиляторов общеобменной вентиляции"_s);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildSeriesColumn(), 1);
    layout->addWidget(buildInputColumn(), 2);
    fillFromCatalogue();
    applyGroupRule();
}

QWidget* TMDIChild::buildSeriesColumn()
{
    auto* box = new QGroupBox(u"Серии вентиляторов: "_s);
    box->setToolTip(u"Отметьте галочкой интересующие Вас серии вентиляторов"_s);
    auto* splitter = new QSplitter(Qt::Vertical);
    const struct {
        SeriesGroup& group;
        const char16_t* radioName;
        const char16_t* radioText;
        const char16_t* buttonName;
        const char16_t* buttonText;
        const char16_t* hint;
        const char16_t* listName;
    } groups[] = {
        {m_duct, u"RB_Kanal", u"Канальные", u"Button3", u"[v]", u"Отметить Все", u"Open_ListView"},
        {m_roof, u"RB_Krysh", u"Крышные", u"Button4", u"[v]", u"Выделить ВСЕ", u"ListView_Krysh"},
        {m_pressurization, u"RB_Podpor", u"Подпора", u"Button5", u"V", u"Выделить ВСЕ", u"ListView_Podpor"},
    };
    for (const auto& g : groups) {
        auto* panel = new QWidget;
        g.group.radio = new QRadioButton(QString::fromUtf16(g.radioText));
        g.group.radio->setObjectName(QString::fromUtf16(g.radioName));
        g.group.radio->setAutoExclusive(false); // the three sit in separate panels
        g.group.tickAll = new QPushButton(QString::fromUtf16(g.buttonText));
        g.group.tickAll->setObjectName(QString::fromUtf16(g.buttonName));
        g.group.tickAll->setToolTip(QString::fromUtf16(g.hint));
        g.group.tickAll->setMaximumWidth(40);
        g.group.list = new QListWidget;
        g.group.list->setObjectName(QString::fromUtf16(g.listName));
        g.group.list->setToolTip(box->toolTip());
        auto* head = new QHBoxLayout;
        head->addWidget(g.group.radio, 1);
        head->addWidget(g.group.tickAll);
        auto* panelLayout = new QVBoxLayout(panel);
        panelLayout->setContentsMargins(2, 2, 2, 2);
        panelLayout->addLayout(head);
        panelLayout->addWidget(g.group.list, 1);
        splitter->addWidget(panel);

        QRadioButton* radio = g.group.radio;
        connect(radio, &QRadioButton::clicked, this, [this, radio] {
            if (!radio->isChecked()) {
                radio->setChecked(true); // one group is always chosen
                return;
            }
            for (SeriesGroup* other : {&m_duct, &m_roof, &m_pressurization}) {
                if (other->radio != radio)
                    other->radio->setChecked(false);
            }
            applyGroupRule();
        });
        QPushButton* button = g.group.tickAll;
        QListWidget* list = g.group.list;
        connect(button, &QPushButton::clicked, this, [this, button, list] { toggleAll(button, list); });
    }
    m_duct.radio->setChecked(true);
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->addWidget(splitter);
    return box;
}

QWidget* TMDIChild::buildInputColumn()
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->addWidget(inputColumnTitle());
    m_search = new FanSearchControls(
        {u"Диапазон поиска по: -"_s, u"- По типам электродвигателей:"_s, u"Полюсность электродвигателя:"_s,
            u"Подводимое электоропитание:"_s, u"Диапазон поиска от требуемого расхода воздуха, в %"_s, 15},
        this);
    layout->addWidget(m_search->rangeGroup(), 1);
    layout->addWidget(m_search->bandGroup());

    layout->addWidget(buildDutyGroup());

    layout->addLayout(selectionButtons(this, [this] { runSelection(); }));
    return column;
}

QGroupBox* TMDIChild::buildDutyGroup()
{
    auto* group = new QGroupBox(u"Требуемый режим работы:"_s);
    auto* layout = new QGridLayout(group);
    m_flow = dutyBox(u"Input_Q"_s, 5000, 100, u"Введите требуемый расход воздуха (м3/час)"_s);
    layout->addWidget(new QLabel(u"Требуемый расход воздуха:"_s), 0, 0);
    layout->addWidget(m_flow, 0, 1);
    layout->addWidget(new QLabel(u"м3/час"_s), 0, 2);

    m_totalPressure = new QRadioButton(u"Полное давление:"_s);
    m_totalPressure->setObjectName(u"RB_Full"_s);
    m_totalPressure->setChecked(true);
    m_pressure = dutyBox(
        u"Input_P"_s, 500, 10, u"Введите требуемое полное давление, создаваемое вентиляторм  (Па)"_s);
    m_staticPressure = new QRadioButton(u"Статическое давление:"_s);
    m_staticPressure->setObjectName(u"RB_Stat"_s);
    m_staticPressure->setEnabled(false);
    m_staticPressureBox = dutyBox(u"Input_Pstat"_s, 500, 10,
        u"Введите требуемое статическое давление, создаваемое вентиляторм  (Па)"_s);
    m_pressureUnit = unitLabel(u"Па"_s);
    m_staticPressureUnit = unitLabel(u"Па"_s);
    layout->addWidget(m_totalPressure, 1, 0);
    layout->addWidget(m_pressure, 1, 1);
    layout->addWidget(m_pressureUnit, 1, 2);
    layout->addWidget(m_staticPressure, 2, 0);
    layout->addWidget(m_staticPressureBox, 2, 1);
    layout->addWidget(m_staticPressureUnit, 2, 2);
    layout->addLayout(buildSpeedControlRow(), 3, 0, 1, 3);
    connect(m_totalPressure, &QRadioButton::toggled, this, &TMDIChild::applyPressureRule);
    applyPressureRule();
    return group;
}

QLayout* TMDIChild::buildSpeedControlRow()
{
    m_speedControl = new QCheckBox(u"С регулированием частоты вращения"_s);
    m_speedControl->setObjectName(u"CheckBox_Regul"_s);
    m_speedControl->setToolTip(
        u"Подобрать вентилятор с преобразователем частоты или EC-двигателем: на пониженной частоте "
        u"вращения, с наименьшей мощностью в рабочей точке"_s);
    m_minSpeed = new QSpinBox;
    m_minSpeed->setObjectName(u"SpinEdit_MinN"_s);
    m_minSpeed->setRange(1, 100);
    m_minSpeed->setValue(fans::defaultMinSpeedPercent);
    m_minSpeed->setToolTip(u"Наименьшая допустимая частота вращения, в % от номинальной"_s);
    m_minSpeed->setEnabled(false);
    auto* label = new QLabel(u"не ниже"_s);
    auto* unit = new QLabel(u"%"_s);
    label->setEnabled(false);
    unit->setEnabled(false);
    connect(m_speedControl, &QCheckBox::toggled, this, [this, label, unit](bool on) {
        for (QWidget* control : std::initializer_list<QWidget*> {m_minSpeed, label, unit})
            control->setEnabled(on);
    });
    auto* row = new QHBoxLayout;
    row->addWidget(m_speedControl);
    row->addStretch(1);
    row->addWidget(label);
    row->addWidget(m_minSpeed);
    row->addWidget(unit);
    return row;
}

void TMDIChild::fillFromCatalogue()
{
    try {
        for (const fans::SeriesEntry& entry : fans::FanCatalogue::generalSeries())
            FanSearchControls::checkableItem(groupControls(entry.group).list, entry.name, entry.icon, false);
        m_search->fill(
            fans::FanCatalogue::diameterTexts(fans::CatalogueKind::General), fans::FanCatalogue::ductSizes());
    } catch (const CatalogueError& error) {
        ui::showMessage(error.message(), ui::MessageKind::Error);
    }
}

TMDIChild::SeriesGroup& TMDIChild::groupControls(FanGroup group)
{
    switch (group) {
    case FanGroup::Roof:
        return m_roof;
    case FanGroup::Pressurization:
        return m_pressurization;
    case FanGroup::Duct:
        break;
    }
    return m_duct;
}

FanGroup TMDIChild::group() const
{
    if (m_roof.radio->isChecked())
        return FanGroup::Roof;
    if (m_pressurization.radio->isChecked())
        return FanGroup::Pressurization;
    return FanGroup::Duct;
}

void TMDIChild::selectGroup(FanGroup group)
{
    groupControls(group).radio->click();
    if (!groupControls(group).radio->isChecked())
        groupControls(group).radio->click();
}

void TMDIChild::presetDuty(double flow, double pressure, FanGroup group, fans::PressureKind kind)
{
    selectGroup(group);
    // Only pressurization fans leave the pressure kind to the user.
    if (group == FanGroup::Pressurization && kind == fans::PressureKind::Static) {
        m_staticPressure->setChecked(true);
        applyPressureRule();
    }
    m_flow->setValue(flow);
    (m_staticPressure->isChecked() ? m_staticPressureBox : m_pressure)->setValue(pressure);
}

void TMDIChild::receive(const fans::HandedDuty& duty)
{
    presetDuty(roundHalfEven(duty.flow), roundHalfEven(duty.pressure), FanGroup::Pressurization,
        fans::PressureKind::Static);
    tickAllSeries(FanGroup::Pressurization);
}

void TMDIChild::tickAllSeries(FanGroup group)
{
    SeriesGroup& controls = groupControls(group);
    FanSearchControls::tickAll(controls.list, true);
    controls.tickAll->setText(u"[ ]"_s); // the next click unticks them
}

void TMDIChild::toggleAll(QPushButton* button, QListWidget* list)
{
    const bool tick = button->text() != u"[ ]"_s;
    FanSearchControls::tickAll(list, tick);
    button->setText(tick ? u"[ ]"_s : u"[v]"_s);
}

void TMDIChild::applyGroupRule()
{
    const FanGroup chosen = group();
    for (FanGroup g : {FanGroup::Duct, FanGroup::Roof, FanGroup::Pressurization}) {
        SeriesGroup& controls = groupControls(g);
        const bool active = g == chosen;
        controls.tickAll->setEnabled(active);
        QPalette radioPalette = palette();
        if (active)
            radioPalette.setColor(QPalette::WindowText, Qt::blue);
        controls.radio->setPalette(radioPalette);
        // The chosen list looks like an input; the others look like the panel behind them.
        QPalette listPalette = palette();
        if (active) {
            listPalette.setColor(QPalette::Text, Qt::blue);
        } else {
            const QColor face = palette().color(QPalette::Button);
            const QColor shadow = palette().color(QPalette::Dark);
            for (auto state : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                listPalette.setColor(state, QPalette::Base, face);
                listPalette.setColor(state, QPalette::Text, shadow);
            }
        }
        controls.list->setPalette(listPalette);
        controls.list->setEnabled(active);
    }
    m_search->sizeGroup()->setVisible(chosen == FanGroup::Duct);
    m_totalPressure->setEnabled(chosen != FanGroup::Roof);
    m_staticPressure->setEnabled(chosen != FanGroup::Duct);
    if (chosen == FanGroup::Roof)
        m_staticPressure->setChecked(true);
    else
        m_totalPressure->setChecked(true);
    applyPressureRule();
}

void TMDIChild::applyPressureRule()
{
    const bool total = m_totalPressure->isChecked();
    m_pressure->setEnabled(total);
    m_pressureUnit->setEnabled(total);
    m_staticPressureBox->setEnabled(!total);
    m_staticPressureUnit->setEnabled(!total);
}

std::optional<fans::SelectionRequest> TMDIChild::readRequest()
{
    fans::SelectionRequest request;
    request.group = group();
    request.pressureKind
        = m_totalPressure->isChecked() ? fans::PressureKind::Total : fans::PressureKind::Static;
    m_search->narrow(request);
    if (!readRequiredDuty(request, m_flow, m_totalPressure->isChecked() ? m_pressure : m_staticPressureBox))
        return std::nullopt;
    const QListWidget* series = groupControls(request.group).list;
    for (int i = 0; i < series->count(); ++i) {
        const QListWidgetItem* item = series->item(i);
        if (item->checkState() == Qt::Checked)
            request.series.push_back(
                {item->text().trimmed(), item->data(iconRole).toInt() == fans::RoundDuctIcon});
    }
    return request;
}

void TMDIChild::runSelection()
{
    const auto request = readRequest();
    if (!request)
        return;
    if (m_speedControl->isChecked()) {
        runSpeedControlled(*request);
        return;
    }
    const auto run = listedSelection(m_program.busyIndicator(), u"Подбор вентиляторов..."_s,
        [&] { return fans::runGeneralSelection(*request); });
    if (!run)
        return;
    m_program.windows().get<TFormGrVovazu>()->fill(
        fans::foundFansContentOf(run->outcome, *request, systemDecimalSeparator()));
}

void TMDIChild::runSpeedControlled(const fans::SelectionRequest& request)
{
    const int minSpeed = m_minSpeed->value();
    const auto run = listedSelection(m_program.busyIndicator(), u"Подбор вентиляторов..."_s,
        [&] { return fans::runSpeedControlledSelection(request, minSpeed); });
    if (!run)
        return;
    m_program.windows().get<TFormGrVovazu>()->fill(
        fans::speedControlledContentOf(run->outcome, request, systemDecimalSeparator()));
}
