#pragma once

#include "common/FormInput.h"

#include <QSet>
#include <gtest/gtest.h>

// Checks of a calculation window's input description: each control and stored value named once, each
// input reachable from the project record in the way its kind needs, each refusal field focusing exactly
// one input. Returns the refusal fields found, for the caller's own list.
template <typename Record, typename Inputs>
QSet<int> expectCompleteDescription(const FormInputs<Record, Inputs>& inputs, bool numbersHaveOptions = true)
{
    QSet<QString> controls;
    QSet<QString> keys;
    QSet<int> focusFields;
    for (const auto& input : inputs) {
        const std::string name = input.control.toStdString();
        EXPECT_FALSE(controls.contains(input.control)) << name;
        controls.insert(input.control);
        if (!input.settingsKey.isEmpty()) {
            EXPECT_FALSE(keys.contains(input.settingsKey)) << name;
            keys.insert(input.settingsKey);
        }
        switch (input.kind) {
        case InputKind::Number:
            EXPECT_TRUE(input.text && (input.value || input.whole)) << name;
            EXPECT_FALSE(input.value && input.whole) << name;
            EXPECT_TRUE(!numbersHaveOptions || !input.cliOption.isEmpty()) << name;
            EXPECT_NE(input.focusField, 0) << name;
            break;
        case InputKind::Choice:
            EXPECT_TRUE(input.index && !input.items.isEmpty()) << name;
            break;
        case InputKind::Text:
            EXPECT_TRUE(input.text) << name;
            break;
        case InputKind::Pair:
            EXPECT_TRUE(input.checked && !input.secondControl.isEmpty() && input.items.size() == 2) << name;
            EXPECT_FALSE(controls.contains(input.secondControl)) << name;
            controls.insert(input.secondControl);
            break;
        }
        if (input.focusField != 0) {
            EXPECT_FALSE(focusFields.contains(input.focusField)) << name;
            focusFields.insert(input.focusField);
        }
    }
    return focusFields;
}
