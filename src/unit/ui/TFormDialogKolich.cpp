#include "unit/ui/TFormDialogKolich.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TFormDialogKolich::TFormDialogKolich(QWidget* parent)
    : QDialog(parent)
    , m_count(new QSpinBox)
{
    setObjectName(u"FormDialogKolich"_s);
    setWindowTitle(u"Количество"_s);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* group = new QGroupBox(u"Укажите необходимое количество:"_s, this);
    m_count->setParent(group);
    m_count->setObjectName(u"Input_Kolich"_s);
    m_count->setRange(1, 10);
    auto* row = new QHBoxLayout(group);
    row->addWidget(m_count);
    row->addWidget(new QLabel(u"данных элементов"_s, group));
    row->addStretch(1);

    auto* ok = new QPushButton(u"OK"_s, this);
    ok->setObjectName(u"bOK"_s);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(280, 0)));
}

int TFormDialogKolich::askCount(int preset)
{
    m_count->setValue(preset);
    m_count->selectAll();
    m_count->setFocus();
    exec();
    return m_count->value();
}
