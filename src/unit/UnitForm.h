#pragma once

#include "common/FormInput.h"
#include "unit/UnitCalculation.h"

#include <optional>

// The inputs of the unit composition window, each described once (control, caption, default, stored-value
// name, project-record field, the refusal that focuses it), and the readers of its two input pages, which
// check every number as soon as it is read, in the order the user meets the boxes.
namespace unit {

using UnitFormInputs = FormInputs<UnitProject, UnitInputs>;

// Every box of both input pages. The boxes of the page without heating and cooling mirror the air flow
// and free pressure of the other page and have no field of their own in the project record.
const UnitFormInputs& unitFormInputs();

// The group under which every unit window stores its inputs per user.
QString unitSettingsKey();
// The stored item index of the cooler series (written when a window closes, never read back).
QString coolerSeriesSettingsName();

// The focus field of a refusal, as the description names it (0 is no field).
int focusOf(UnitField field);

// What a page gives: the inputs, or the box whose text is no number, or a refusal with its message.
struct UnitPageRead {
    std::optional<UnitInputs> inputs;
    std::optional<UnitField> badNumber;
    QString badText;
    std::optional<UnitInputProblem> problem;
};

// "Далее >>" of the heater-and-cooler page: free pressure, highest speed, then the heater's and the cooler's
// boxes as the unit has them, then whether a heater type is ticked.
UnitPageRead readUnitPage(
    const UnitProject& typed, UnitKind kind, bool anyHeaterType, QChar decimalSeparator);

// "Далее>>" of the page without heating and cooling: air flow, free pressure, highest speed.
struct PlainPageText {
    QString flow;
    QString freePressure;
    QString maxSpeed;
};
UnitPageRead readPlainPage(const PlainPageText& typed, QChar decimalSeparator);

// The section grid's refresh: nothing when a box holds no number; a refusal when the flow is negative
// (0 is shown) or the speed not positive.
struct SectionGridRead {
    std::optional<double> flow;
    std::optional<double> maxSpeed;
    QString message; // shown when not empty
};
SectionGridRead readSectionGridInputs(
    const QString& flowText, const QString& maxSpeedText, QChar decimalSeparator);

} // namespace unit
