#include "ui/NumberInput.h"

#include "ui/Messages.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>

namespace ui {
namespace {

QString withoutAffixes(QString text, const QString& prefix, const QString& suffix)
{
    if (!prefix.isEmpty() && text.startsWith(prefix))
        text.remove(0, prefix.size());
    if (!suffix.isEmpty() && text.endsWith(suffix))
        text.chop(suffix.size());
    return text;
}

} // namespace

QString numberControlText(const QWidget* control)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (const auto* spin = qobject_cast<const QDoubleSpinBox*>(control))
        return withoutAffixes(spin->text(), spin->prefix(), spin->suffix());
    if (const auto* spin = qobject_cast<const QSpinBox*>(control))
        return withoutAffixes(spin->text(), spin->prefix(), spin->suffix());
    if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(control))
        return spin->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText();
    return {};
}

std::optional<double> readNumber(QWidget* control, QChar decimalSeparator)
{
    const QString text = numberControlText(control);
    if (const auto value = parseNumber(text, decimalSeparator))
        return value;
    reportBadNumber(control, text);
    return std::nullopt;
}

void reportBadNumber(QWidget* control, const QString& text)
{
    for (const QString& message : badNumberMessages(text))
        showMessage(message); // plain boxes, like every input message
    if (control) {
        control->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->selectAll();
        else if (auto* spin = qobject_cast<QAbstractSpinBox*>(control))
            spin->selectAll();
    }
}

} // namespace ui
