#pragma once

#include <QString>

class QAction;
class QWidget;

// Hints of controls and menu items hold a short and a long text separated by "|": the short text is
// the tooltip, the long text goes to the frame's status bar while the pointer is over the control.
namespace ui {

struct HintParts {
    QString shortText;
    QString longText;
};

// A hint without a bar uses the whole text for both parts.
HintParts splitHint(const QString& hint);

void setHint(QWidget* widget, const QString& hint);
void setHint(QAction* action, const QString& hint);

} // namespace ui
