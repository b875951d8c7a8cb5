#pragma once

#include <QString>
#include <initializer_list>
#include <optional>

// What the paged calculations (smoke exhaust, pressurization) refuse instead of a result, with their
// messages: an input the formulas provide no case for, a quantity that is not a number, and a fan duty
// that no fan can be selected for.
namespace calcreport {

// "Расчет невозможен: " what " Проверьте исходные данные."
QString notComputable(const QString& what);

// A typed whole number outside the values the formulas provide for: "<quantity> должно быть от <low> до
// <high>."
QString wholeRangeMessage(const QString& quantity, int low, int high);

// An outdoor temperature at or below absolute zero, which the air density cannot take.
QString belowAbsoluteZeroMessage();

struct NamedQuantity {
    const char16_t* symbol;
    std::optional<double> value; // none: not computed in this case
};
// The symbol of the first computed quantity that is not a finite number; none when all are.
std::optional<QString> undefinedQuantity(std::initializer_list<NamedQuantity> quantities);
// The refusal of a result whose quantity `symbol` is not a finite number.
QString undefinedQuantityMessage(const QString& symbol);

// A fan duty handed on to fan selection, and which inputs lead to a flow or a pressure of zero or less.
struct FanDuty {
    QString fan; // the fan in the genitive, as the message names it: "вентилятора 1"
    double flow; // m³/h
    double pressure; // Pa
    QString flowCause; // empty when no single input is to blame
    QString pressureCause;
};
// The refusal of a duty with a flow or a pressure of zero or less (or not a number); none for a duty
// that can be handed on.
std::optional<QString> dutyRefusal(const FanDuty& duty);

} // namespace calcreport
