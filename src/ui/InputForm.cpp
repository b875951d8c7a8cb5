#include "ui/InputForm.h"

#include "ui/Hints.h"
#include "ui/RadioGroupWidget.h"
#include "ui/SpinEditWidget.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace ui {

namespace {

QWidget* makePairControl(const QString& control, const QString& secondControl, const QString& label,
    const QStringList& captions, int defaultIndex, const QString& hint, QWidget* parent)
{
    QWidget* holder = label.isEmpty() ? new QWidget(parent) : new QGroupBox(label, parent);
    auto* row = new QHBoxLayout(holder);
    if (label.isEmpty())
        row->setContentsMargins(0, 0, 0, 0);
    const QString names[] = {control, secondControl};
    for (int i = 0; i < 2; ++i) {
        auto* button = new QRadioButton(captions.value(i), holder);
        button->setObjectName(names[i]);
        button->setChecked(i == defaultIndex);
        if (!hint.isEmpty())
            setHint(button, hint);
        row->addWidget(button);
    }
    row->addStretch(1);
    return holder;
}

} // namespace

QWidget* makeInputControl(InputKind kind, const QString& control, const QString& secondControl,
    const QString& label, const QString& hint, const QString& defaultText, double step,
    const QStringList& items, int columns, int defaultIndex, QWidget* parent)
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
    case InputKind::Pair:
        // The holder stays unnamed: the buttons carry the names.
        return makePairControl(control, secondControl, label, items, defaultIndex, hint, parent);
    }
    widget->setObjectName(control);
    if (!hint.isEmpty())
        setHint(widget, hint);
    return widget;
}

namespace {

QRadioButton* pairButton(const QWidget* pair, int button)
{
    const QList<QRadioButton*> buttons = pair->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    return buttons.value(button);
}

} // namespace

bool pairChecked(const QWidget* pair, int button)
{
    const QRadioButton* radio = pairButton(pair, button);
    return radio && radio->isChecked();
}

void setPairChecked(QWidget* pair, bool first, bool second)
{
    if (QRadioButton* radio = pairButton(pair, first ? 0 : 1); radio && (first || second))
        radio->setChecked(true);
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

QList<QWidget*> addInputRow(
    QGridLayout* grid, int row, const QString& label, QWidget* box, const QString& unit)
{
    auto* caption = new QLabel(label);
    caption->setBuddy(box);
    auto* unitLabel = new QLabel(unit);
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(unitLabel, row, 2);
    return {caption, box, unitLabel};
}

} // namespace ui
