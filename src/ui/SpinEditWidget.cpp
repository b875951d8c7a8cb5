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

void SpinEditWidget::stepBy(int steps)
{
    const QChar separator = systemDecimalSeparator();
    const auto value = parseNumber(text(), separator);
    if (!value)
        return;
    double next = *value + steps * m_step;
    // Keep sums like 0.1 + 0.2 from showing their binary tail.
    next = std::round(next * 1e9) / 1e9;
    QString shown = QString::number(next, 'g', 15);
    shown.replace(QLatin1Char('.'), separator);
    lineEdit()->setText(shown);
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
