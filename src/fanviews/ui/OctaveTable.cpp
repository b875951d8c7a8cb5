#include "fanviews/ui/OctaveTable.h"

#include "fanviews/ui/SheetGrid.h"

#include <QHeaderView>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

OctaveTable::OctaveTable(QWidget* parent)
    : QGroupBox(u"Уровень звуковой мощности в октавных полосах: "_s, parent)
{
    m_grid = sheetGrid(u"StringGrid_Lpi"_s, 5, 9);
    m_grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < 9; ++column)
        m_grid->setColumnWidth(column, 46);
    fitSheetGridHeight(m_grid);
    m_grid->item(0, 0)->setText(u"Октавная частота, Гц:"_s);
    for (int band = 0; band < 8; ++band)
        m_grid->item(0, band + 1)->setText(QString::number(fanviews::octaveBands[size_t(band)]));
    m_grid->item(1, 0)->setText(u"Lpi, дБ (на входе):"_s);
    m_grid->item(2, 0)->setText(u"Lpi, дБ (на выходе):"_s);
    m_grid->item(3, 0)->setText(u"Lpi, дБ (через стенки):"_s);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
}

void OctaveTable::showLevels(const fanviews::SoundPowerLevels& levels)
{
    const QLocale locale = QLocale::system();
    auto fillRow = [&](int row, const std::optional<fanviews::OctaveLevels>& bands) {
        for (int band = 0; band < 8; ++band) {
            m_grid->item(row, band + 1)
                ->setText(bands ? locale.toString((*bands)[size_t(band)], 'g', QLocale::FloatingPointShortest)
                                : QString());
        }
    };
    fillRow(1, levels.inlet);
    fillRow(2, levels.outlet);
    m_grid->item(3, 0)->setText(levels.casing ? u"Lpi, дБ (через стенки):"_s : QString());
    fillRow(3, levels.casing);
    m_grid->item(4, 0)->setText(levels.casingCentrifugal ? u" (через стенки)  - для ЦКФ:"_s : QString());
    fillRow(4, levels.casingCentrifugal);
}
