#pragma once

#include "common/NumberText.h"

#include <QString>
#include <QStringList>
#include <cmath>
#include <optional>
#include <vector>

// One input of a calculation window, described once: the window builds, reads, stores, restores and
// focuses its controls from this description (ui/InputForm.h), and the project record becomes the
// calculation's inputs by it, in the window and in zfn-cli alike.
enum class InputKind {
    Number, // a typed-number box; its text is what the project record keeps
    Choice, // a group of exclusive choices; its item index is what the project record keeps
    Text, // a plain text edit (a project name)
    // Two exclusive buttons in a row; the project record keeps the state of the first, and of the second
    // where it keeps both.
    Pair,
};

template <typename Record, typename Inputs> struct FormInput {
    InputKind kind = InputKind::Number;
    QString control {}; // objectName of the control (of the first button of a pair)
    QString secondControl {}; // objectName of the second button of a pair
    QString label {}; // caption before a box, or the caption of a choice group
    QString unit {}; // after a number box
    QString hint {}; // "short|long" hint of the control
    QString defaultText {}; // a number box or text edit at start
    double step = 1; // the arrows of a number box
    QStringList items {}; // the items of a choice, the captions of a pair's buttons
    int columns = 1; // choice items per row
    int defaultIndex = 0; // the choice, or the button of a pair, at start
    QString settingsKey {}; // name of the stored per-user value; empty: not stored
    QString cliOption {}; // the zfn-cli option that sets a number; empty: none
    QString Record::*text = nullptr; // project-record field of a number box or text edit
    qint32 Record::*index = nullptr; // project-record field of a choice
    bool Record::*checked = nullptr; // project-record field of the first button of a pair
    bool Record::*secondChecked = nullptr; // of its second button, where the record keeps it
    double Inputs::*value = nullptr; // the calculation input a number becomes
    int Inputs::*whole = nullptr; // the calculation input a whole number becomes (halves to even)
    // A number is read only when this holds for the record (null: always); otherwise it counts as 0.
    bool (*readWhen)(const Record&) = nullptr;
    int focusField = 0; // the calculation's refusal field that puts the focus here (0: none)
};

template <typename Record, typename Inputs> using FormInputs = std::vector<FormInput<Record, Inputs>>;

// The record as a window shows it at start.
template <typename Record, typename Inputs> Record defaultRecord(const FormInputs<Record, Inputs>& inputs)
{
    Record record;
    for (const auto& input : inputs) {
        if (input.text)
            record.*input.text = input.defaultText;
        if (input.index)
            record.*input.index = input.defaultIndex;
        if (input.checked)
            record.*input.checked = input.defaultIndex == 0;
        if (input.secondChecked)
            record.*input.secondChecked = input.defaultIndex == 1;
    }
    return record;
}

// A whole number as a calculation takes it: rounded halves to even, held within ±2·10⁹.
inline int wholeNumber(double value)
{
    const double rounded = roundHalfEven(value);
    if (std::fabs(rounded) < 2e9)
        return static_cast<int>(rounded);
    return rounded < 0 ? -2000000000 : 2000000000;
}

// The numbers of a record read in the order of the description, or in `order` (control names) where
// a window reads them in an order of its own; the first text that is not a number ends the reading.
template <typename Record, typename Inputs> struct FormRead {
    std::optional<Inputs> inputs;
    const FormInput<Record, Inputs>* badNumber = nullptr; // the input whose text is not a number
    QString badText {};
};

template <typename Record, typename Inputs>
const FormInput<Record, Inputs>* findInput(const FormInputs<Record, Inputs>& inputs, const QString& control)
{
    for (const auto& input : inputs) {
        if (input.control == control)
            return &input;
    }
    return nullptr;
}

// Sets the calculation input a number input becomes.
template <typename Record, typename Inputs>
void setNumber(const FormInput<Record, Inputs>& input, Inputs& values, double number)
{
    if (input.value)
        values.*input.value = number;
    if (input.whole)
        values.*input.whole = wholeNumber(number);
}

template <typename Record, typename Inputs>
FormRead<Record, Inputs> readNumbers(const FormInputs<Record, Inputs>& inputs, const Record& record,
    Inputs values, QChar decimalSeparator, const QStringList& order = {})
{
    std::vector<const FormInput<Record, Inputs>*> numbers;
    if (order.isEmpty()) {
        for (const auto& input : inputs)
            numbers.push_back(&input);
    } else {
        for (const QString& control : order) {
            if (const auto* input = findInput(inputs, control))
                numbers.push_back(input);
        }
    }
    FormRead<Record, Inputs> read;
    for (const auto* input : numbers) {
        if (input->kind != InputKind::Number || (!input->value && !input->whole))
            continue;
        if (input->readWhen && !input->readWhen(record)) {
            setNumber(*input, values, 0);
            continue;
        }
        const QString& text = record.*input->text;
        const std::optional<double> number = parseNumber(text, decimalSeparator);
        if (!number) {
            read.badNumber = input;
            read.badText = text;
            return read;
        }
        setNumber(*input, values, *number);
    }
    read.inputs = values;
    return read;
}
