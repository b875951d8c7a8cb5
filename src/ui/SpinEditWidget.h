#pragma once

#include <QAbstractSpinBox>

// A spin box that keeps the number exactly as the user typed it (decimal mark of the user's locale,
// no bounds): the text is what project files and stored inputs hold, and it is read only when a
// calculation runs. The arrows add or subtract the step from the number shown; text that is not a
// number is left alone by them.
class SpinEditWidget : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit SpinEditWidget(QWidget* parent = nullptr);

    void setText(const QString& text);
    // Shows a number handed over by the program, in the shortest form with the user's decimal mark.
    void setValue(double value);
    double step() const { return m_step; }
    void setStep(double step) { m_step = step; }

    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

private:
    double m_step = 1.0;
};
