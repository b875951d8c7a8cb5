#include "ui/Hints.h"

#include <QAction>
#include <QWidget>

namespace ui {

HintParts splitHint(const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return {hint, hint};
    return {hint.left(bar), hint.mid(bar + 1)};
}

void setHint(QWidget* widget, const QString& hint)
{
    const HintParts parts = splitHint(hint);
    widget->setToolTip(parts.shortText);
    widget->setStatusTip(parts.longText);
}

void setHint(QAction* action, const QString& hint)
{
    const HintParts parts = splitHint(hint);
    action->setToolTip(parts.shortText);
    action->setStatusTip(parts.longText);
}

} // namespace ui
