#include "ui/SpinEditWidget.h"

#include "common/NumberText.h"

#include <QLineEdit>
#include <cmath>

SpinEditWidget::SpinEditWidget(QWidget* parent)
    : QAbstractSpinBox(parent)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
}

void SpinEditWidget::setText(const QString& text)
{
    lineEdit()->setText(text);
}

void SpinEditWidget::setValue(double value)
{
    QString shown = QString::number(value, 'g', 15);
    shown.replace(QLatin1Char('.'), systemDecimalSeparator());
    lineEdit()->setText(shown);
}

void SpinEditWidget::stepBy(int steps)
{
    const auto value = parseNumber(text(), systemDecimalSeparator());
    if (!value)
        return;
    // Keep sums like 0.1 + 0.2 from showing their binary tail.
    setValue(std::round((*value + steps * m_step) * 1e9) / 1e9);
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled SpinEditWidget::stepEnabled() const
{
    return StepUpEnabled | StepDownEnabled;
}

// Any text may stand in the box; it is checked when the calculation reads it.
QValidator::State SpinEditWidget::validate(QString&, int&) const
{
    return QValidator::Acceptable;
}

void SpinEditWidget::fixup(QString&) const
{
}
