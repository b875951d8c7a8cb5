#pragma once

#include "common/FormInput.h"
#include "curtains/CurtainInputs.h"

// The inputs of the three air-curtain windows, each described once per series (control, caption, unit,
// hint, default, stored-value name, project-record field, calculation input, refusal field, zfn-cli
// option): the window builds, reads, stores, restores and focuses its controls from it, and the
// project record becomes the calculation's inputs by it in the window and in zfn-cli alike.
namespace curtains {

using CurtainFormInput = FormInput<CurtainProject, CurtainInputs>;

// In the order the window writes and reads its stored inputs; inputs that are not stored (the project
// name, the placement and the posts) stand where the window shows them.
const FormInputs<CurtainProject, CurtainInputs>& curtainFormInputs(Series series);

// The boxes in the order the calculation reads them: ОРК and ТЕМ read H, B, tв, tн, tс, the water
// temperatures (only for a water heater), v; ПЛН reads v before the water temperatures.
QStringList curtainNumberOrder(Series series, int heaterItem);

} // namespace curtains
