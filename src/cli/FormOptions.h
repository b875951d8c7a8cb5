#pragma once

#include "cli/CliCommand.h"
#include "common/FormInput.h"

// The zfn-cli options of a calculation window's described inputs: each number input with a zfn-cli
// option is set as if typed into its box.
namespace cli {

template <typename Record, typename Inputs> QStringList formOptions(const FormInputs<Record, Inputs>& inputs)
{
    QStringList options;
    for (const auto& input : inputs) {
        if (!input.cliOption.isEmpty())
            options << input.cliOption;
    }
    return options;
}

// Writes each option given into the record's text, with "." as decimal mark as the commands read
// numbers; a value that is not a number is recorded as an error of the arguments.
template <typename Record, typename Inputs>
void applyFormOptions(Arguments& args, const FormInputs<Record, Inputs>& inputs, Record& record)
{
    for (const auto& input : inputs) {
        if (input.cliOption.isEmpty() || !input.text)
            continue;
        if (const std::optional<double> value = args.number(input.cliOption))
            record.*input.text = QString::number(*value, 'g', 17);
    }
}

} // namespace cli
