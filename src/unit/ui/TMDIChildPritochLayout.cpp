#include "unit/ui/TMDIChildPritoch.h"

#include "ui/Hints.h"
#include "ui/RadioGroupWidget.h"
#include "unit/ui/UnitWindowWidgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

// The layout of the unit composition window: its project bar, three pages and the boxes that mirror each
// other.
using namespace Qt::StringLiterals;
using namespace unit;
using namespace unit::widgets;

namespace {

// A scrolled box that asks for the room its whole content needs, so that the window opens showing all of
// it wherever the screen has that room.
class WholeContentScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override
    {
        const QSize frame(2 * frameWidth(), 2 * frameWidth());
        return widget() ? widget()->sizeHint() + frame : QScrollArea::sizeHint();
    }
};

} // namespace

QWidget* TMDIChildPritoch::buildProjectBar()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    QWidget* name = m_form.control(u"Input_ProjectName"_s);
    auto* caption = new QLabel(u"Наименование проекта:"_s, bar);
    caption->setBuddy(name);
    auto* open = new QPushButton(style()->standardIcon(QStyle::SP_DialogOpenButton), QString(), bar);
    open->setObjectName(u"SpeedButtonOpen"_s);
    ui::setHint(open, u"Загрузить проект из файла|Загрузить проект из файла"_s);
    auto* save = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton), QString(), bar);
    save->setObjectName(u"SpeedButtonSave"_s);
    ui::setHint(save, u"Сохранить проект в файле|Сохранить проект в файле"_s);
    row->addWidget(caption);
    row->addWidget(name, 1);
    row->addWidget(open);
    row->addWidget(save);
    connect(open, &QPushButton::clicked, this, &TMDIChildPritoch::loadProject);
    connect(save, &QPushButton::clicked, this, &TMDIChildPritoch::saveProject);
    return bar;
}

QWidget* TMDIChildPritoch::buildPlainPage()
{
    auto* page = new QWidget;
    page->setObjectName(u"TabSheet_Without"_s);
    auto* inputs = navyGroup(u" Задайте требуемый расход воздуха "_s, u"GB_Without"_s, page);
    auto* grid = new QGridLayout(inputs);
    m_form.addRows(grid, {u"Input_Gv_without"_s, u"Input_Psvob_without"_s, u"InputVmax_without"_s});
    grid->setColumnStretch(3, 1);

    auto* speeds = navyGroup(
        u" Соотношения скорости воздуха в канале в зависимости от расхода: "_s, u"GB_Kanal"_s, page);
    m_sectionGrid = makeGrid(u"StringGrid_Kanal"_s, 0, 3, speeds);
    m_sectionGrid->setHorizontalHeaderLabels({u"Размер канала"_s, u"Скорость воздуха в канале"_s, QString()});
    m_sectionGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_sectionGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_sectionGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* speedsLayout = new QVBoxLayout(speeds);
    speedsLayout->addWidget(m_sectionGrid);
    connect(m_sectionGrid, &QTableWidget::cellDoubleClicked, this, &TMDIChildPritoch::nextWithoutHeating);

    auto* next = new QPushButton(u"Далее>>"_s, page);
    next->setObjectName(u"bNextWithout"_s);
    connect(next, &QPushButton::clicked, this, &TMDIChildPritoch::nextWithoutHeating);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(next);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(inputs);
    layout->addWidget(speeds, 1);
    layout->addLayout(buttons);
    return page;
}

QWidget* TMDIChildPritoch::buildInputPage()
{
    m_inputPage = new QWidget;
    m_inputPage->setObjectName(u"TabSheet_Input"_s);
    QWidget* page = m_inputPage;
    // The boxes scroll when the window is shorter than they are (a small screen); the buttons stay in sight.
    auto* fields = new QWidget;
    auto* scroll = new WholeContentScrollArea(page);
    scroll->setObjectName(u"ScrollBox_Input"_s);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* common = navyGroup(u" Параметры для подбора: "_s, u"GB_Params"_s, fields);
    auto* commonGrid = new QGridLayout(common);
    m_form.addRows(commonGrid, {u"Input_Psvob"_s, u"Input_Vmax"_s});
    commonGrid->setColumnStretch(3, 1);

    m_heaterGroup = navyGroup(
        u" Параметры для подбора теплообменника (холодный период года): "_s, u"GB_Tepl"_s, fields);
    m_waterTypes = makeTickList(u"CheckListBoxTeploob"_s, m_heaterGroup);
    m_electricTypes = makeTickList(u"CheckListBoxTeplElektr"_s, m_heaterGroup);
    for (QListWidget* list : {m_waterTypes, m_electricTypes})
        list->setMaximumHeight(110);
    auto* types = new QGridLayout;
    types->addWidget(new QLabel(u" - водяные: "_s, m_heaterGroup), 0, 0);
    types->addWidget(new QLabel(u" - электрические: "_s, m_heaterGroup), 0, 1);
    types->addWidget(m_waterTypes, 1, 0);
    types->addWidget(m_electricTypes, 1, 1);
    auto* heaterGrid = new QGridLayout;
    m_form.addRows(heaterGrid, {u"Input_Gv"_s, u"Input_tv1"_s, u"Input_tv2"_s});
    heaterGrid->setColumnStretch(3, 1);
    auto* water = new QGroupBox(u" - для водяных теплообменников - "_s, m_heaterGroup);
    auto* waterGrid = new QGridLayout(water);
    m_form.addRows(waterGrid, {u"Input_tj1"_s, u"Input_tj2"_s});
    waterGrid->setColumnStretch(3, 1);
    auto* heaterLayout = new QVBoxLayout(m_heaterGroup);
    heaterLayout->addLayout(types);
    heaterLayout->addLayout(heaterGrid);
    heaterLayout->addWidget(water);

    m_coolerGroup
        = navyGroup(u" Параметры для подбора охладителя (теплый период года): "_s, u"GB_OXL"_s, fields);
    auto* coolerGrid = new QGridLayout(m_coolerGroup);
    m_form.addRows(coolerGrid, {u"Input_Gv_oxl"_s, u"Input_tv1_oxl"_s, u"Input_tv2_oxl"_s, u"Input_VL"_s});
    coolerGrid->setColumnStretch(3, 1);
    // The cooler series stays the freon one unless a project chooses the water series.
    m_form.control(u"RG_Tip_oxl"_s)->hide();

    auto* note = new QPlainTextEdit(fields);
    note->setObjectName(u"Memo_Sovet"_s);
    note->setReadOnly(true);
    note->setPlainText(u"Совет: Если после завершения подбора элементов и подбора вентилятора, в выбранном "
                       u"сечении не удается подобрать вентилятор (в требуемой рабочей точке или желаемой "
                       u"модели), то рекомендуется вернуться (<<Назад) и задать меньшее значение "
                       u"максимальной скорости воздуха и повторить расчет. "_s);
    note->setStyleSheet(u"QPlainTextEdit { color: navy; font-weight: bold; }"_s);
    note->setMaximumHeight(64);
    note->setFrameShape(QFrame::NoFrame);

    auto* description = new QPushButton(u"Описание"_s, page);
    description->setObjectName(u"bDescription"_s);
    auto* photo = new QPushButton(u"Фото"_s, page);
    photo->setObjectName(u"bPhoto"_s);
    auto* next = new QPushButton(u"Далее >>"_s, page);
    next->setObjectName(u"bNext"_s);
    next->setDefault(true);
    connect(description, &QPushButton::clicked, this, &TMDIChildPritoch::showDescription);
    connect(photo, &QPushButton::clicked, this, &TMDIChildPritoch::showPhoto);
    connect(next, &QPushButton::clicked, this, &TMDIChildPritoch::next);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(description);
    buttons->addWidget(photo);
    buttons->addStretch(1);
    buttons->addWidget(next);

    auto* fieldsLayout = new QVBoxLayout(fields);
    fieldsLayout->setContentsMargins(0, 0, 0, 0);
    fieldsLayout->addWidget(common);
    fieldsLayout->addWidget(m_heaterGroup);
    fieldsLayout->addWidget(m_coolerGroup);
    fieldsLayout->addStretch(1);
    fieldsLayout->addWidget(note);
    scroll->setWidget(fields);
    // Room beside the boxes for the scroll bar, so that a short window never cuts them on the right.
    scroll->setMinimumWidth(
        fields->minimumSizeHint().width() + scroll->verticalScrollBar()->sizeHint().width());
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
    return page;
}

QWidget* TMDIChildPritoch::buildElementPage()
{
    auto* page = new QWidget;
    page->setObjectName(u"TabSheet_Elements"_s);

    m_heaterGrid = makeGrid(u"StringGridResult"_s, heaterGridRows, 2, page);
    m_heaterGrid->horizontalHeader()->hide();
    m_heaterGrid->setSelectionMode(QAbstractItemView::NoSelection);
    m_heaterGrid->setToolTip(u"Щелкните для выбора нужной модели теплообменника выше"_s);
    m_heaterGrid->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_heaterGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    fitRows(m_heaterGrid, true);
    connect(
        m_heaterGrid, &QTableWidget::cellClicked, this, [this](int, int column) { chooseHeater(column); });

    m_coolerGridGroup = navyGroup(u" Воздухоохладитель: "_s, u"GB_Oxladitel"_s, page);
    m_coolerGrid = makeGrid(u"StringGridResult_oxl"_s, coolerGridRowCount, 2, m_coolerGridGroup);
    m_coolerGrid->horizontalHeader()->hide();
    m_coolerGrid->setSelectionMode(QAbstractItemView::NoSelection);
    m_coolerGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_coolerGrid->horizontalHeader()->setStretchLastSection(true);
    fitRows(m_coolerGrid, false);
    auto* coolerLayout = new QVBoxLayout(m_coolerGridGroup);
    coolerLayout->addWidget(m_coolerGrid);

    auto* results = new QHBoxLayout;
    results->addWidget(m_heaterGrid, 1);
    results->addWidget(m_coolerGridGroup);

    auto* choice
        = navyGroup(u"Отметьте необходимый Вам состав канальной модульной системы:"_s, u"GB_Sostav"_s, page);
    m_tree = new QTreeWidget(choice);
    m_tree->setObjectName(u"TreeView_Tip"_s);
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(false);
    m_tree->setMaximumWidth(170);
    m_elementPages = new QTabWidget(choice);
    m_elementPages->setObjectName(u"PageControl_Elements"_s);
    const struct {
        AccessoryKind kind;
        const char16_t* name;
        const char16_t* title;
    } pages[] = {
        {AccessoryKind::Valve, u"CheckListBoxModelKlapan", u"Клапана"},
        {AccessoryKind::Filter, u"CheckListBoxModelFilter", u"Фильтры"},
        {AccessoryKind::Silencer, u"CheckListBoxModelGlush", u"Глушители"},
        {AccessoryKind::Louvre, u"CheckListBoxModelReshet", u"Жалюзи"},
        {AccessoryKind::Connector, u"CheckListBoxModelVstavki", u"Мягкие вставки"},
    };
    for (const auto& p : pages) {
        QListWidget* list = makeTickList(QString::fromUtf16(p.name), m_elementPages);
        m_lists[int(p.kind)] = list;
        m_elementPages->addTab(list, QString::fromUtf16(p.title));
        // Until a tree file is read the tree offers the five pages.
        new QTreeWidgetItem(m_tree, {QString::fromUtf16(p.title)});
        connect(list, &QListWidget::itemChanged, this, [this](QListWidgetItem*) {
            if (!m_filling)
                guarded([this] { composeUnit(); });
        });
        connect(list, &QListWidget::itemClicked, this, &TMDIChildPritoch::tickElement);
    }
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (!item)
            return;
        QTreeWidgetItem* parent = item->parent();
        const int position = parent ? parent->indexOfChild(item) : m_tree->indexOfTopLevelItem(item);
        if (position >= 0 && position < m_elementPages->count())
            m_elementPages->setCurrentIndex(position);
    });
    auto* choiceLayout = new QHBoxLayout(choice);
    choiceLayout->addWidget(m_tree);
    choiceLayout->addWidget(m_elementPages, 1);

    auto* totals = navyGroup(u"Итого по выбранным:"_s, u"GB_Itogo"_s, page);
    m_kindLabel = new QLabel(totals);
    m_kindLabel->setObjectName(u"LabelTeploob"_s);
    m_lengthTotal = new QLabel(totals);
    m_lengthTotal->setObjectName(u"LabelS_L"_s);
    m_pressureTotal = new QLabel(totals);
    m_pressureTotal->setObjectName(u"LabelS_P"_s);
    for (QLabel* total : {m_lengthTotal, m_pressureTotal})
        total->setStyleSheet(u"QLabel { font-weight: bold; }"_s);
    auto* totalsGrid = new QGridLayout(totals);
    totalsGrid->addWidget(new QLabel(u"(без ветилятора и ККБ)"_s, totals), 0, 0, 1, 2);
    totalsGrid->addWidget(new QLabel(u"Сумма длин секций"_s, totals), 1, 0);
    totalsGrid->addWidget(m_kindLabel, 2, 0);
    totalsGrid->addWidget(m_lengthTotal, 2, 1);
    totalsGrid->addWidget(new QLabel(u"Суммарное сопротив-\nление воздуху:"_s, totals), 3, 0);
    totalsGrid->addWidget(m_pressureTotal, 3, 1);
    totalsGrid->setRowStretch(4, 1);

    auto* chosen = navyGroup(u" Выбранные (отмеченные) элементы: "_s, u"GB_Vybrannye"_s, page);
    m_composition = makeGrid(u"StringGridSostav"_s, 0, 1, chosen);
    m_composition->horizontalHeader()->hide();
    m_composition->horizontalHeader()->setStretchLastSection(true);
    auto* chosenLayout = new QVBoxLayout(chosen);
    chosenLayout->addWidget(m_composition);

    auto* summary = new QHBoxLayout;
    summary->addWidget(totals);
    summary->addWidget(chosen, 1);

    auto* back = new QPushButton(u"<< Назад"_s, page);
    back->setObjectName(u"bBack"_s);
    m_fanButton = new QPushButton(u"Подбор вентилятора>>"_s, page);
    m_fanButton->setObjectName(u"bFanSelection"_s);
    m_fanButton->setEnabled(false);
    connect(back, &QPushButton::clicked, this, &TMDIChildPritoch::back);
    connect(m_fanButton, &QPushButton::clicked, this, &TMDIChildPritoch::requestFanSelection);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addStretch(1);
    buttons->addWidget(m_fanButton);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(results);
    layout->addWidget(choice, 1);
    layout->addLayout(summary, 1);
    layout->addLayout(buttons);
    return page;
}

void TMDIChildPritoch::connectMirrors()
{
    QWidget* flow = m_form.control(u"Input_Gv"_s);
    QWidget* plainFlow = m_form.control(u"Input_Gv_without"_s);
    QWidget* pressure = m_form.control(u"Input_Psvob"_s);
    QWidget* plainPressure = m_form.control(u"Input_Psvob_without"_s);
    onTextChanged(flow, this, [flow, plainFlow] { setBoxText(plainFlow, boxText(flow)); });
    onTextChanged(plainFlow, this, [this] { refreshSectionGrid(); });
    onTextChanged(m_form.control(u"InputVmax_without"_s), this, [this] { refreshSectionGrid(); });
    onTextChanged(
        pressure, this, [pressure, plainPressure] { setBoxText(plainPressure, boxText(pressure)); });
    onTextChanged(
        plainPressure, this, [pressure, plainPressure] { setBoxText(pressure, boxText(plainPressure)); });
}
