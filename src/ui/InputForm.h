#pragma once

#include "common/FormInput.h"
#include "ui/NumberInput.h"
#include "ui/UserSettings.h"

#include <QStringList>
#include <QWidget>
#include <vector>

class QGridLayout;

namespace ui {

// The control of one described input: a SpinEditWidget for a number, a RadioGroupWidget for a
// choice, a QLineEdit for a text, named, captioned, hinted and set to its default.
QWidget* makeInputControl(InputKind kind, const QString& control, const QString& label, const QString& hint,
    const QString& defaultText, double step, const QStringList& items, int columns, int defaultIndex,
    QWidget* parent);
QString inputText(const QWidget* control);
void setInputText(QWidget* control, const QString& text);
int inputIndex(const QWidget* control);
// An index that names no item keeps the choice shown.
void setInputIndex(QWidget* control, int index);
// One row of a grid: caption (the box's buddy), box, unit.
void addInputRow(QGridLayout* grid, int row, const QString& label, QWidget* box, const QString& unit);

// The controls of a calculation window, built from the description of its inputs, and every way
// between them and the project record: reading (as typed), applying a record, the user's stored
// inputs and the focus a refusal asks for. The window only lays the controls out.
template <typename Record, typename Inputs> class InputForm {
public:
    InputForm(const FormInputs<Record, Inputs>& inputs, QString settingsKey)
        : m_inputs(inputs)
        , m_settingsKey(std::move(settingsKey))
    {
    }

    // Builds every control as a child of `parent`; lay them out with addRows() or control().
    void build(QWidget* parent)
    {
        for (const auto& in : m_inputs) {
            m_controls.push_back(makeInputControl(in.kind, in.control, in.label, in.hint, in.defaultText,
                in.step, in.items, in.columns, in.defaultIndex, parent));
        }
    }

    QWidget* control(const QString& name) const
    {
        for (size_t i = 0; i < m_inputs.size(); ++i) {
            if (m_inputs[i].control == name)
                return m_controls[i];
        }
        return nullptr;
    }
    template <typename Widget> Widget* control(const QString& name) const
    {
        return qobject_cast<Widget*>(control(name));
    }

    // Number boxes as rows of a grid, from `firstRow` on, in the order given.
    void addRows(QGridLayout* grid, const QStringList& names, int firstRow = 0) const
    {
        int row = firstRow;
        for (const QString& name : names) {
            const auto& in = input(name);
            addInputRow(grid, row++, in.label, control(name), in.unit);
        }
    }

    // The inputs as typed, in the form the project file keeps them.
    Record record() const
    {
        Record record;
        for (size_t i = 0; i < m_inputs.size(); ++i) {
            if (m_inputs[i].text)
                record.*m_inputs[i].text = inputText(m_controls[i]);
            if (m_inputs[i].index)
                record.*m_inputs[i].index = inputIndex(m_controls[i]);
        }
        return record;
    }

    // Sets every control from the record; an index that names no item keeps the choice shown.
    void apply(const Record& record) const
    {
        for (size_t i = 0; i < m_inputs.size(); ++i) {
            if (m_inputs[i].text)
                setInputText(m_controls[i], record.*m_inputs[i].text);
            if (m_inputs[i].index)
                setInputIndex(m_controls[i], record.*m_inputs[i].index);
        }
    }

    // The inputs the last window of this kind stored, if any did. A text is set only when not empty;
    // the first missing or wrong-typed index, or a wrong-typed text, ends the reading and keeps what
    // was read until then.
    void restore() const
    {
        const UserSettings settings(m_settingsKey);
        if (!settings.exists())
            return;
        for (size_t i = 0; i < m_inputs.size(); ++i) {
            const auto& in = m_inputs[i];
            if (in.settingsKey.isEmpty())
                continue;
            if (in.kind == InputKind::Choice) {
                const StoredValue<int> stored = settings.readInteger(in.settingsKey);
                if (!stored.ok())
                    return;
                setInputIndex(m_controls[i], stored.value);
            } else {
                const StoredValue<QString> stored = settings.readText(in.settingsKey);
                if (stored.status == StoredValue<QString>::Status::WrongType)
                    return;
                if (!stored.value.isEmpty())
                    setInputText(m_controls[i], stored.value);
            }
        }
    }

    // Stores the inputs for the next window of this kind.
    void store() const
    {
        UserSettings settings(m_settingsKey);
        for (size_t i = 0; i < m_inputs.size(); ++i) {
            const auto& in = m_inputs[i];
            if (in.settingsKey.isEmpty())
                continue;
            if (in.kind == InputKind::Choice)
                settings.writeInteger(in.settingsKey, inputIndex(m_controls[i]));
            else
                settings.writeText(in.settingsKey, inputText(m_controls[i]));
        }
    }

    // Puts the focus on the input the calculation's refusal field names.
    void focus(int refusalField) const
    {
        for (size_t i = 0; i < m_inputs.size(); ++i) {
            if (refusalField != 0 && m_inputs[i].focusField == refusalField)
                m_controls[i]->setFocus(Qt::OtherFocusReason);
        }
    }

    // A number that could not be read: its three messages, then the focus in its box.
    void reportBadNumber(const FormRead<Record, Inputs>& read) const
    {
        if (read.badNumber)
            ui::reportBadNumber(control(read.badNumber->control), read.badText);
    }

private:
    const FormInput<Record, Inputs>& input(const QString& name) const
    {
        for (const auto& in : m_inputs) {
            if (in.control == name)
                return in;
        }
        Q_ASSERT_X(false, "InputForm", "no such input");
        return m_inputs.front();
    }

    const FormInputs<Record, Inputs>& m_inputs;
    QString m_settingsKey;
    std::vector<QWidget*> m_controls; // at the index of their input
};

} // namespace ui
