#pragma once

#include "common/FormInput.h"
#include "heating/HeatingUnitCalc.h"
#include "heating/HeatingUnitProject.h"

// The inputs of the air-heating unit window, each described once (control, caption, default, number
// rule, stored-value name, project-record field, refusal field), and the one rule that turns a project
// record into calculation inputs for the window and zfn-cli.
namespace heating {

using HeatingUnitInput = FormInput<HeatingUnitProject, HeatingUnitInputs>;

// In the order the window reads its numbers and its stored inputs.
const FormInputs<HeatingUnitProject, HeatingUnitInputs>& heatingUnitInputs();

// The group under which every window of this kind stores its inputs per user.
QString heatingUnitSettingsKey();

HeatingUnitProject defaultHeatingUnitProject();

// The calculation inputs of a record whose numbers are written with `decimalSeparator`: tв, tн, tw1,
// tw2, then V and Qп when the demand is computed or Q when it is given; numbers the mode does not use
// count as 0. The first text that is not a number gives no inputs and names its input.
FormRead<HeatingUnitProject, HeatingUnitInputs> heatingUnitInputsOf(
    const HeatingUnitProject& record, QChar decimalSeparator);

} // namespace heating
