#include "sections/ui/SectionDialog.h"

#include "calcreport/ReportNumbers.h"
#include "common/NumberText.h"
#include "ui/Messages.h"
#include "ui/RadioGroupWidget.h"
#include "ui/SpinEditWidget.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using sections::FittingKind;

namespace {

SpinEditWidget* makeBox(QWidget* parent, const QString& name)
{
    auto* box = new SpinEditWidget(parent);
    box->setObjectName(name);
    box->setMinimumWidth(90);
    return box;
}

} // namespace

SectionDialog::SectionDialog(
    const Captions& captions, QWidget* parent, const sections::FittingCatalogue& fittings)
    : QDialog(parent)
    , m_captions(captions)
    , m_fittings(fittings)
{
    setWindowTitle(captions.window);
    setModal(true);

    QStringList materials;
    for (const auto& material : sections::shaftMaterials())
        materials << material.name;
    m_material = new RadioGroupWidget(captions.material, materials, 2, this);
    m_material->setObjectName(u"RG_Material"_s);
    m_kind = new RadioGroupWidget(u"Вид местного сопротивления: "_s, fittings.names, 2, this);
    m_kind->setObjectName(u"RG_Vid"_s);

    auto* values = new QWidget(this);
    auto* grid = new QGridLayout(values);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto row = [&](int at, QLabel* label, SpinEditWidget* box, QLabel* unit = nullptr) {
        label->setBuddy(box);
        grid->addWidget(label, at, 0);
        grid->addWidget(box, at, 1);
        if (unit)
            grid->addWidget(unit, at, 2);
    };
    m_value = makeBox(values, u"Input_Value"_s);
    m_valueLabel = new QLabel(values);
    m_valueLabel->setObjectName(u"Label_Value"_s);
    row(0, m_valueLabel, m_value);
    m_halfAngle = makeBox(values, u"Input_Y"_s);
    m_halfAngleLabel = new QLabel(u"Половина угла раскрытия - y, градусов:"_s, values);
    m_halfAngleLabel->setObjectName(u"Label_Y"_s);
    row(1, m_halfAngleLabel, m_halfAngle);
    m_area = makeBox(values, u"Input_Fi"_s);
    m_areaLabel = new QLabel(captions.area, values);
    m_areaUnit = new QLabel(captions.areaUnit, values);
    row(2, m_areaLabel, m_area, m_areaUnit);
    grid->setColumnStretch(3, 1);

    m_lengthRow = new QWidget(this);
    auto* lengthLayout = new QHBoxLayout(m_lengthRow);
    lengthLayout->setContentsMargins(0, 0, 0, 0);
    m_length = makeBox(m_lengthRow, u"Input_Li"_s);
    auto* lengthLabel = new QLabel(captions.length, m_lengthRow);
    lengthLabel->setBuddy(m_length);
    lengthLayout->addWidget(lengthLabel);
    lengthLayout->addWidget(m_length);
    lengthLayout->addWidget(new QLabel(u"м"_s, m_lengthRow));
    lengthLayout->addStretch(1);

    m_calculate = new QPushButton(u"> Расчет <"_s, this);
    m_calculate->setObjectName(captions.calculateButton);
    m_calculate->setDefault(true);
    auto* coefficientRow = new QHBoxLayout;
    m_coefficientLabel = new QLabel(u"Коэффициент местного сопротивления: Gi"_s, this);
    m_coefficient = makeBox(this, u"Input_G"_s);
    m_coefficientLabel->setBuddy(m_coefficient);
    coefficientRow->addWidget(m_calculate);
    coefficientRow->addWidget(m_coefficientLabel);
    coefficientRow->addWidget(m_coefficient);
    coefficientRow->addStretch(1);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(u"ОК"_s, QDialogButtonBox::AcceptRole);
    ok->setObjectName(u"OKBtn"_s);
    ok->setAutoDefault(false);
    auto* cancel = buttons->addButton(u"Отмена"_s, QDialogButtonBox::RejectRole);
    cancel->setObjectName(u"CancelBtn"_s);
    cancel->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_material);
    layout->addWidget(m_kind);
    layout->addWidget(values);
    layout->addWidget(m_lengthRow);
    layout->addLayout(coefficientRow);
    layout->addStretch(1);
    layout->addWidget(buttons);

    connect(m_kind, &RadioGroupWidget::itemIndexChanged, this, &SectionDialog::applyKind);
    connect(m_calculate, &QPushButton::clicked, this, &SectionDialog::calculate);
    connect(buttons, &QDialogButtonBox::accepted, this, &SectionDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    setTexts(sections::SectionDialogTexts());
    m_material->setItemIndex(0);
}

sections::SectionDialogTexts SectionDialog::texts() const
{
    sections::SectionDialogTexts t;
    t.material = m_material->itemIndex();
    t.kind = static_cast<FittingKind>(std::max(0, m_kind->itemIndex()));
    t.area = m_area->text();
    t.length = m_length->text();
    t.parameter = m_value->text();
    t.halfAngle = m_halfAngle->text();
    t.coefficient = m_coefficient->text();
    return t;
}

void SectionDialog::setTexts(const sections::SectionDialogTexts& t)
{
    m_material->setItemIndex(t.material);
    {
        const QSignalBlocker quiet(m_kind);
        m_kind->setItemIndex(static_cast<int>(t.kind));
    }
    const sections::SectionDialogLayout layout = sections::sectionDialogLayout(t.kind, m_fittings);
    const bool straightMeasure = t.kind == FittingKind::Straight && !m_captions.straightArea.isEmpty();
    m_areaLabel->setText(straightMeasure ? m_captions.straightArea : m_captions.area);
    m_areaUnit->setText(straightMeasure ? m_captions.straightAreaUnit : m_captions.areaUnit);
    m_valueLabel->setText(layout.parameterLabel);
    for (QWidget* w : {static_cast<QWidget*>(m_value), static_cast<QWidget*>(m_valueLabel),
             static_cast<QWidget*>(m_calculate), static_cast<QWidget*>(m_coefficient),
             static_cast<QWidget*>(m_coefficientLabel)})
        w->setVisible(layout.parameter);
    m_halfAngle->setVisible(layout.halfAngle);
    m_halfAngleLabel->setVisible(layout.halfAngle);
    m_lengthRow->setVisible(layout.length);
    m_area->setText(t.area);
    m_length->setText(t.length);
    m_value->setText(t.parameter);
    m_halfAngle->setText(t.halfAngle);
    m_coefficient->setText(t.coefficient);
}

void SectionDialog::applyKind(int kind)
{
    sections::SectionDialogTexts t = texts();
    sections::applyKindChange(t, static_cast<FittingKind>(std::max(0, kind)), m_fittings);
    setTexts(t);
}

void SectionDialog::report(const sections::SectionDialogOutcome& outcome)
{
    for (const QString& message : outcome.messages)
        ui::showMessage(message, ui::MessageKind::Warning);
    const std::pair<sections::SectionDialogField, QWidget*> boxes[] = {
        {sections::SectionDialogField::Area, m_area},
        {sections::SectionDialogField::Length, m_length},
        {sections::SectionDialogField::Parameter, m_value},
        {sections::SectionDialogField::HalfAngle, m_halfAngle},
        {sections::SectionDialogField::Coefficient, m_coefficient},
    };
    for (const auto& [field, box] : boxes) {
        if (field == outcome.focus)
            box->setFocus(Qt::OtherFocusReason);
    }
}

void SectionDialog::calculate()
{
    const sections::SectionDialogOutcome outcome
        = sections::computeSectionCoefficient(texts(), systemDecimalSeparator(), m_fittings);
    report(outcome);
    if (outcome.coefficient)
        m_coefficient->setText(calcreport::generalText(*outcome.coefficient, 6, systemDecimalSeparator()));
}

void SectionDialog::accept()
{
    const sections::SectionDialogOutcome outcome
        = sections::acceptSection(texts(), systemDecimalSeparator(), m_fittings);
    report(outcome);
    if (!outcome.entry)
        return;
    m_entry = outcome.entry;
    QDialog::accept();
}

std::optional<sections::SectionEntry> SectionDialog::ask()
{
    m_entry.reset();
    if (exec() != QDialog::Accepted)
        m_entry.reset();
    return m_entry;
}
