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
// choice, a QLineEdit for a text, two QRadioButtons side by side for a pair (under its caption in a
// group box when it has one), named, captioned, hinted and set to its default.
QWidget* makeInputControl(InputKind kind, const QString& control, const QString& secondControl,
    const QString& label, const QString& hint, const QString& defaultText, double step,
    const QStringList& items, int columns, int defaultIndex, QWidget* parent);
// Whether the first or the second button of a pair is checked.
bool pairChecked(const QWidget* pair, int button);
// Checks the first button when `first` holds, else the second when `second` holds; a pair with neither
// keeps its choice.
void setPairChecked(QWidget* pair, bool first, bool second);
QString inputText(const QWidget* control);
void setInputText(QWidget* control, const QString& text);
int inputIndex(const QWidget* control);
// An index that names no item keeps the choice shown.
void setInputIndex(QWidget* control, int index);
// One row of a grid: caption (the box's buddy), box, unit; returns the row's widgets, so that a window
// can enable or show them together.
QList<QWidget*> addInputRow(
    QGridLayout* grid, int row, const QString& label, QWidget* box, const QString& unit);

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

    // A missing stored text ends the reading of the stored inputs, as a missing index does (by default a
    // missing text reads as empty and the reading goes on).
    void setMissingTextEndsReading(bool ends) { m_missingTextEnds = ends; }

    // Builds every control as a child of `parent`; lay them out with addRows() or control().
    void build(QWidget* parent)
    {
        for (const auto& in : m_inputs) {
            m_controls.push_back(makeInputControl(in.kind, in.control, in.secondControl, in.label, in.hint,
                in.defaultText, in.step, in.items, in.columns, in.defaultIndex, parent));
        }
    }

    // The control of the input; for a pair, the widget that holds both buttons.
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

    // Number boxes as rows of a grid, from `firstRow` on, in the order given; returns their widgets.
    QList<QWidget*> addRows(QGridLayout* grid, const QStringList& names, int firstRow = 0) const
    {
        QList<QWidget*> widgets;
        int row = firstRow;
        for (const QString& name : names) {
            const auto& in = input(name);
            widgets << addInputRow(grid, row++, in.label, control(name), in.unit);
        }
        return widgets;
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
            if (m_inputs[i].checked)
                record.*m_inputs[i].checked = pairChecked(m_controls[i], 0);
            if (m_inputs[i].secondChecked)
                record.*m_inputs[i].secondChecked = pairChecked(m_controls[i], 1);
        }
        return record;
    }

    // Sets every control from the record; an index that names no item, or a pair with neither button
    // set, keeps the choice shown.
    void apply(const Record& record) const
    {
        for (size_t i = 0; i < m_inputs.size(); ++i) {
            const auto& in = m_inputs[i];
            if (in.text)
                setInputText(m_controls[i], record.*in.text);
            if (in.index)
                setInputIndex(m_controls[i], record.*in.index);
            if (in.checked) {
                const bool first = record.*in.checked;
                setPairChecked(m_controls[i], first, in.secondChecked ? record.*in.secondChecked : !first);
            }
        }
    }

    // The inputs the last window of this kind stored, if any did. A text is set only when not empty;
    // the first missing or wrong-typed index or pair, or a wrong-typed text, ends the reading and keeps
    // what was read until then.
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
            } else if (in.kind == InputKind::Pair) {
                const StoredValue<bool> stored = settings.readBool(in.settingsKey);
                if (!stored.ok())
                    return;
                setPairChecked(m_controls[i], stored.value, !stored.value);
            } else {
                const StoredValue<QString> stored = settings.readText(in.settingsKey);
                if (stored.status == StoredValue<QString>::Status::WrongType
                    || (m_missingTextEnds && !stored.ok()))
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
            else if (in.kind == InputKind::Pair)
                settings.writeBool(in.settingsKey, pairChecked(m_controls[i], 0));
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
    bool m_missingTextEnds = false;
    std::vector<QWidget*> m_controls; // at the index of their input
};

} // namespace ui
