#pragma once

#include "common/FormInput.h"
#include "pressurization/SupplyInputs.h"
#include "pressurization/SupplyProject.h"

// The boxes and choices of the pressurization window's first two pages, described once: the window
// builds, reads, restores and focuses them from this description. The scheme buttons and the section
// tables are laid out by the window itself.
namespace pressurization {

const FormInputs<SupplyProject, SupplyValues>& supplyFormInputs();

// Items of the tambour choice.
QStringList tambourNames(); // " - Прямой", " - Другой"

} // namespace pressurization
