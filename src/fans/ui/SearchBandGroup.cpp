#include "fans/ui/SearchBandGroup.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

using namespace Qt::StringLiterals;

QGroupBox* searchBandGroup(const QString& title, const QString& toolTip, int start, QSlider** slider)
{
    auto* group = new QGroupBox(title);
    auto* band = new QSlider(Qt::Horizontal);
    band->setObjectName(u"TrackBar1"_s);
    band->setRange(5, 30);
    band->setValue(start);
    band->setPageStep(5);
    band->setTickInterval(5);
    band->setTickPosition(QSlider::TicksBothSides);
    band->setToolTip(toolTip);
    band->setMinimumWidth(300);
    auto* text = new QLineEdit(QString::number(start));
    text->setObjectName(u"Input_DIAP"_s);
    text->setEnabled(false);
    text->setMaximumWidth(50);
    QObject::connect(
        band, &QSlider::valueChanged, text, [text](int value) { text->setText(QString::number(value)); });
    // The scale labels stand under their ticks: the middle one where the band starts.
    auto* scale = new QHBoxLayout;
    scale->addWidget(new QLabel(u"5%"_s));
    scale->addStretch(start - 5);
    scale->addWidget(new QLabel(u"%1%"_s.arg(start)));
    scale->addStretch(30 - start);
    scale->addWidget(new QLabel(u"30%"_s));
    auto* layout = new QGridLayout(group);
    layout->addWidget(band, 0, 0);
    layout->addLayout(scale, 1, 0);
    auto* value = new QHBoxLayout;
    value->addWidget(text);
    value->addWidget(new QLabel(u"%"_s));
    value->addStretch();
    layout->addLayout(value, 0, 1);
    layout->setColumnStretch(2, 1);
    *slider = band;
    return group;
}
