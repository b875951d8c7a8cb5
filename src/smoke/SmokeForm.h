#pragma once

#include "common/FormInput.h"
#include "smoke/SmokeInputs.h"
#include "smoke/SmokeProject.h"

// The inputs of the smoke-exhaust calculation window, each described once (control, caption, default,
// project-record field, the value its page step accepts, the refusal field that focuses it, the zfn-cli
// option): the window builds, reads and focuses its controls from it, the page steps read the record by
// it, and zfn-cli starts from its defaults and sets numbers by its options.
namespace smoke {

using SmokeInput = FormInput<SmokeProject, SmokeValues>;

// In the order of the pages and, on each page, of the window.
const FormInputs<SmokeProject, SmokeValues>& smokeInputs();

// The input a refusal field names; the fields of page 4 and None have none.
const SmokeInput* smokeInput(SmokeField field);

// The inputs of a new window: the described defaults and one empty row of shaft sections.
SmokeProject defaultSmokeProject();

} // namespace smoke
