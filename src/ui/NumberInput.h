#pragma once

#include "common/NumberText.h"

#include <QString>
#include <optional>

class QWidget;

namespace ui {

// The text a number control shows: a line edit, a spin box (without its prefix and suffix) or the
// current text of a combo box. Other widgets have no text.
QString numberControlText(const QWidget* control);

// Reads the number typed into a control. When the text is not a number written with
// `decimalSeparator`, shows the three explaining messages one after another, puts the focus into the
// control and returns nothing, so that the caller ends the user's action.
std::optional<double> readNumber(QWidget* control, QChar decimalSeparator = systemDecimalSeparator());

// The three messages about a text that is not a number, then the focus in its control (if any).
void reportBadNumber(QWidget* control, const QString& text);

} // namespace ui
