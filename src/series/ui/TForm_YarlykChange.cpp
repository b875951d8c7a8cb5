#include "series/ui/TForm_YarlykChange.h"

#include "common/NumberText.h"
#include "ui/Hints.h"
#include "ui/Messages.h"
#include "ui/SpinEditWidget.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int largestIncrement = 500;

} // namespace

TForm_YarlykChange::TForm_YarlykChange(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(u"Form_YarlykChange"_s);
    setWindowTitle(u"Перемещение ярлычка"_s);
    m_increment = new SpinEditWidget;
    m_increment->setObjectName(u"Input_Increment"_s);
    m_increment->setStep(10);
    m_increment->setText(u"50"_s);
    m_increment->setMinimumWidth(80);

    auto* ok = new QPushButton(u"ОК"_s);
    ok->setObjectName(u"bOK"_s);
    ok->setDefault(true);
    auto* left = new QPushButton(u"<< Сместить влево"_s);
    left->setObjectName(u"bLeft"_s);
    ui::setHint(left, u"Смещение ярлычка влево|Смещение ярлычка влево"_s);
    auto* right = new QPushButton(u"Сместить вправо>>"_s);
    right->setObjectName(u"bRight"_s);
    ui::setHint(right, u"Смещение ярлычка вправо|Смещение ярлычка вправо"_s);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(u"Сместить на"_s), 0, 0);
    layout->addWidget(m_increment, 0, 1);
    layout->addWidget(new QLabel(u"едениц (м3/час)"_s), 0, 2);
    layout->addWidget(left, 1, 0);
    layout->addWidget(ok, 1, 1);
    layout->addWidget(right, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, [this] {
        m_result = {Answer::Done, 0};
        accept();
    });
    connect(left, &QPushButton::clicked, this, [this] { shiftBy(-1); });
    connect(right, &QPushButton::clicked, this, [this] { shiftBy(1); });
}

TForm_YarlykChange::Result TForm_YarlykChange::ask()
{
    m_result = {};
    if (m_place)
        move(*m_place);
    exec();
    m_place = pos();
    return m_result;
}

void TForm_YarlykChange::shiftBy(int direction)
{
    const QString text = m_increment->text();
    const auto value = parseNumber(text, systemDecimalSeparator());
    if (!value) {
        ui::showMessage(u"Ошибочная запись числа: "_s + text, ui::MessageKind::Warning);
        ui::showMessage(
            u"Задайте необходимое число едениц смещения (целое число)."_s, ui::MessageKind::Warning);
        m_increment->setFocus();
        return;
    }
    // The box holds 0 … 500 units; a typed number beyond is taken at the nearest bound.
    const double units = std::clamp(std::round(*value), 0.0, double(largestIncrement));
    m_result = {Answer::Shift, direction * units};
    accept();
}
