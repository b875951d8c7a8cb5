#include "ui/InputForm.h"

#include "ui/Hints.h"
#include "ui/RadioGroupWidget.h"
#include "ui/SpinEditWidget.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace ui {

QWidget* makeInputControl(InputKind kind, const QString& control, const QString& label, const QString& hint,
    const QString& defaultText, double step, const QStringList& items, int columns, int defaultIndex,
    QWidget* parent)
{
    QWidget* widget = nullptr;
    switch (kind) {
    case InputKind::Number: {
        auto* spin = new SpinEditWidget(parent);
        spin->setText(defaultText);
        spin->setStep(step);
        spin->setMinimumWidth(90);
        widget = spin;
        break;
    }
    case InputKind::Choice: {
        auto* group = new RadioGroupWidget(label, items, columns, parent);
        group->setItemIndex(defaultIndex);
        widget = group;
        break;
    }
    case InputKind::Text:
        widget = new QLineEdit(defaultText, parent);
        break;
    }
    widget->setObjectName(control);
    if (!hint.isEmpty())
        setHint(widget, hint);
    return widget;
}

QString inputText(const QWidget* control)
{
    if (const auto* spin = qobject_cast<const SpinEditWidget*>(control))
        return spin->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    return {};
}

void setInputText(QWidget* control, const QString& text)
{
    if (auto* spin = qobject_cast<SpinEditWidget*>(control))
        spin->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(text);
}

int inputIndex(const QWidget* control)
{
    const auto* group = qobject_cast<const RadioGroupWidget*>(control);
    return group ? group->itemIndex() : -1;
}

void setInputIndex(QWidget* control, int index)
{
    auto* group = qobject_cast<RadioGroupWidget*>(control);
    if (group && index >= 0 && index < group->count())
        group->setItemIndex(index);
}

void addInputRow(QGridLayout* grid, int row, const QString& label, QWidget* box, const QString& unit)
{
    auto* caption = new QLabel(label);
    caption->setBuddy(box);
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(new QLabel(unit), row, 2);
}

} // namespace ui
