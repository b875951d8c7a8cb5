#pragma once

#include "fanviews/SoundPowerLevels.h"

#include <QGroupBox>

class QTableWidget;

// "Уровень звуковой мощности в октавных полосах": the fan's sound power levels in the eight octave
// bands, one row for each of its noise levels; a row without a source level stays empty.
class OctaveTable final : public QGroupBox {
    Q_OBJECT
public:
    explicit OctaveTable(QWidget* parent = nullptr);

    void showLevels(const fanviews::SoundPowerLevels& levels);
    QTableWidget* grid() const { return m_grid; }

private:
    QTableWidget* m_grid = nullptr;
};
