#pragma once

#include "common/NumberText.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// One input of a calculation window, described once: the window builds, reads, stores, restores and
// focuses its controls from this description (ui/InputForm.h), and the project record becomes the
// calculation's inputs by it, in the window and in zfn-cli alike.
enum class InputKind {
    Number, // a typed-number box; its text is what the project record keeps
    Choice, // a group of exclusive choices; its item index is what the project record keeps
    Text, // a plain text edit (a project name)
};

template <typename Record, typename Inputs> struct FormInput {
    InputKind kind = InputKind::Number;
    QString control {}; // objectName of the control
    QString label {}; // caption before a box, or the caption of a choice group
    QString unit {}; // after a number box
    QString hint {}; // "short|long" hint of the control
    QString defaultText {}; // a number box or text edit at start
    double step = 1; // the arrows of a number box
    QStringList items {}; // the items of a choice
    int columns = 1; // choice items per row
    int defaultIndex = 0; // the choice at start
    QString settingsKey {}; // name of the stored per-user value; empty: not stored
    QString cliOption {}; // the zfn-cli option that sets a number; empty: none
    QString Record::*text = nullptr; // project-record field of a number box or text edit
    qint32 Record::*index = nullptr; // project-record field of a choice
    double Inputs::*value = nullptr; // the calculation input a number becomes
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
    }
    return record;
}

// The numbers of a record read in the order of the description; the first text that is not a number
// ends the reading.
template <typename Record, typename Inputs> struct FormRead {
    std::optional<Inputs> inputs;
    const FormInput<Record, Inputs>* badNumber = nullptr; // the input whose text is not a number
    QString badText {};
};

template <typename Record, typename Inputs>
FormRead<Record, Inputs> readNumbers(
    const FormInputs<Record, Inputs>& inputs, const Record& record, Inputs values, QChar decimalSeparator)
{
    FormRead<Record, Inputs> read;
    for (const auto& input : inputs) {
        if (input.kind != InputKind::Number || !input.value)
            continue;
        if (input.readWhen && !input.readWhen(record)) {
            values.*input.value = 0;
            continue;
        }
        const QString& text = record.*input.text;
        const std::optional<double> number = parseNumber(text, decimalSeparator);
        if (!number) {
            read.badNumber = &input;
            read.badText = text;
            return read;
        }
        values.*input.value = *number;
    }
    read.inputs = values;
    return read;
}
