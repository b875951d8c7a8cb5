#include "fans/ui/FanSearchControls.h"

#include "fans/ui/SearchBandGroup.h"
#include "fans/ui/SeriesIcons.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

std::vector<fans::TickedText> tickedEntries(const QListWidget* list)
{
    std::vector<fans::TickedText> entries;
    for (int i = 0; i < list->count(); ++i)
        entries.push_back({list->item(i)->text(), list->item(i)->checkState() == Qt::Checked});
    return entries;
}

} // namespace

FanSearchControls::FanSearchControls(const FanSearchLook& look, QWidget* owner)
    : QObject(owner)
{
    buildRange(look);
    buildBand(look);
}

QListWidgetItem* FanSearchControls::checkableItem(
    QListWidget* list, const QString& text, int icon, bool ticked)
{
    auto* item = new QListWidgetItem(text, list);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    if (icon >= 0) {
        item->setIcon(fans::generalSeriesIcon(icon));
        item->setData(iconRole, icon);
    }
    return item;
}

void FanSearchControls::tickAll(QListWidget* list, bool ticked)
{
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

void FanSearchControls::buildRange(const FanSearchLook& look)
{
    m_rangeGroup = new QGroupBox(look.rangeTitle);
    auto* layout = new QHBoxLayout(m_rangeGroup);

    auto* diameters = new QGroupBox(u"-Диаметрам рабочих колес:"_s);
    diameters->setToolTip(u"Отметьте галочкой интересующие Вас диаметры рабочих колес вентилятора"_s);
    m_allDiameters = new QRadioButton(u"Всем"_s);
    m_allDiameters->setObjectName(u"RadioButton1"_s);
    m_allDiameters->setChecked(true);
    m_chosenDiameters = new QRadioButton(u"Отмеченным"_s);
    m_chosenDiameters->setObjectName(u"RadioButton2"_s);
    m_diameters = new QListWidget;
    m_diameters->setObjectName(u"CheckListBox_D"_s);
    auto* dLayout = new QVBoxLayout(diameters);
    dLayout->addWidget(m_allDiameters);
    dLayout->addWidget(m_chosenDiameters);
    dLayout->addWidget(m_diameters, 1);
    layout->addWidget(diameters);

    m_sizeGroup = new QGroupBox(u"- Размерам каналов, [А*В]/(диаметр):"_s);
    m_sizeGroup->setObjectName(u"GroupBox5"_s);
    m_sizeGroup->setToolTip(u"Отметьте галочкой интересующие Вас размеры каналов"_s);
    m_allSizes = new QRadioButton(u"Всем"_s);
    m_allSizes->setObjectName(u"RadioButton3"_s);
    m_allSizes->setChecked(true);
    m_chosenSizes = new QRadioButton(u"Отмеченным"_s);
    m_chosenSizes->setObjectName(u"RadioButton4"_s);
    m_sizes = new QListWidget;
    m_sizes->setObjectName(u"ListViewBox_AB"_s);
    auto* sLayout = new QVBoxLayout(m_sizeGroup);
    sLayout->addWidget(m_allSizes);
    sLayout->addWidget(m_chosenSizes);
    sLayout->addWidget(m_sizes, 1);
    layout->addWidget(m_sizeGroup);

    // "Всем" ticks every entry and locks the list; "Отмеченным" lets the user choose.
    for (auto [all, chosen, list] : {std::tuple(m_allDiameters, m_chosenDiameters, m_diameters),
             std::tuple(m_allSizes, m_chosenSizes, m_sizes)}) {
        connect(all, &QRadioButton::clicked, this, [list] {
            tickAll(list, true);
            list->setEnabled(false);
        });
        connect(chosen, &QRadioButton::clicked, this, [list] { list->setEnabled(true); });
    }

    auto* motors = new QGroupBox(look.motorsTitle);
    motors->setToolTip(u" В скобках приведена соответствующая синхронная частота вращения рабочего колеса"_s);
    auto* poles = new QGroupBox(look.polesTitle);
    auto* polesLayout = new QVBoxLayout(poles);
    const char16_t* poleTexts[] = {u"2-х полюсные      (3000 об/мин)", u"4-х полюсные      (1500 об/мин)",
        u"6-ти полюсные   (1000 об/мин)", u"8-ми полюсные   (750 об/мин)"};
    for (int i = 0; i < 4; ++i) {
        m_poles[i] = new QCheckBox(QString::fromUtf16(poleTexts[i]));
        m_poles[i]->setObjectName(u"CheckBox%1"_s.arg(i + 1));
        m_poles[i]->setChecked(true);
        polesLayout->addWidget(m_poles[i]);
    }
    auto* phases = new QGroupBox(look.phasesTitle);
    auto* phasesLayout = new QVBoxLayout(phases);
    m_singlePhase = new QCheckBox(u"Одно фазное"_s);
    m_singlePhase->setObjectName(u"CheckBox1Faz"_s);
    m_threePhase = new QCheckBox(u"Трех фазное"_s);
    m_threePhase->setObjectName(u"CheckBox3Faz"_s);
    for (QCheckBox* box : {m_singlePhase, m_threePhase}) {
        box->setChecked(true);
        phasesLayout->addWidget(box);
        // At least one supply stays ticked: clearing the last one ticks the other again.
        connect(box, &QCheckBox::clicked, this, [this, box] {
            QCheckBox* other = box == m_singlePhase ? m_threePhase : m_singlePhase;
            if (!box->isChecked() && !other->isChecked())
                other->setChecked(true);
        });
    }
    auto* motorsLayout = new QVBoxLayout(motors);
    motorsLayout->addWidget(poles);
    motorsLayout->addWidget(phases);
    motorsLayout->addStretch();
    layout->addWidget(motors);
}

void FanSearchControls::buildBand(const FanSearchLook& look)
{
    m_bandGroup = searchBandGroup(look.bandTitle,
        u"Установите диапазон поиска, в % оттребуемого расхода воздуха"_s, look.bandPosition, &m_band);
}

void FanSearchControls::fill(const QStringList& diameters, const std::vector<fans::DuctSizeEntry>& sizes)
{
    m_diameters->clear();
    m_sizes->clear();
    for (const QString& d : diameters)
        checkableItem(m_diameters, d, -1, true);
    for (const fans::DuctSizeEntry& size : sizes)
        checkableItem(m_sizes, size.text, size.icon, true);
    m_diameters->setEnabled(!m_allDiameters->isChecked());
    m_sizes->setEnabled(!m_allSizes->isChecked());
}

void FanSearchControls::admitAllSizes()
{
    m_allSizes->setChecked(true);
    tickAll(m_sizes, true);
    m_sizes->setEnabled(false);
}

void FanSearchControls::admitOnlySize(const QString& caption)
{
    m_chosenSizes->setChecked(true);
    m_sizes->setEnabled(true);
    for (int i = 0; i < m_sizes->count(); ++i) {
        QListWidgetItem* item = m_sizes->item(i);
        const bool admitted = item->text() == caption;
        item->setCheckState(admitted ? Qt::Checked : Qt::Unchecked);
        // The one tick is where the user sees it, not below the list's edge.
        if (admitted)
            m_sizes->scrollToItem(item);
    }
}

void FanSearchControls::narrow(fans::SelectionRequest& request) const
{
    request.rangePercent = m_band->value();
    request.diameters = tickedEntries(m_diameters);
    request.sizes = tickedEntries(m_sizes);
    for (int i = 0; i < 4; ++i)
        request.poles[size_t(i)] = m_poles[i]->isChecked();
    request.singlePhase = m_singlePhase->isChecked();
    request.threePhase = m_threePhase->isChecked();
}
