#include "fans/ui/SelectionWindowParts.h"

#include "ui/EnterKey.h"
#include "ui/SpinEditWidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>

using namespace Qt::StringLiterals;

QLabel* inputColumnTitle()
{
    auto* title = new QLabel(u"Исходные данные для подбора"_s);
    QFont font = title->font();
    font.setBold(true);
    font.setUnderline(true);
    title->setFont(font);
    return title;
}

SpinEditWidget* dutyBox(const QString& name, double value, double step, const QString& hint)
{
    auto* box = new SpinEditWidget;
    box->setObjectName(name);
    box->setValue(value);
    box->setStep(step);
    box->setToolTip(hint);
    box->setMinimumWidth(110);
    return box;
}

QPushButton* runSelectionButton()
{
    auto* run = new QPushButton(u"Подбор"_s);
    run->setObjectName(u"Button1"_s);
    run->setDefault(true);
    run->setToolTip(u"Щелкните для начала подбора"_s);
    QPalette palette = run->palette();
    palette.setColor(QPalette::ButtonText, Qt::blue);
    run->setPalette(palette);
    return run;
}

QHBoxLayout* selectionButtons(QWidget* window, const std::function<void()>& runSelection)
{
    QPushButton* run = runSelectionButton();
    auto* close = new QPushButton(u"Закрыть"_s);
    close->setObjectName(u"Button2"_s);
    QObject::connect(run, &QPushButton::clicked, window, runSelection);
    ui::clickOnEnter(window, run);
    QObject::connect(close, &QPushButton::clicked, window, [window] {
        // Inside the frame the task window's frame closes (and frees) it.
        if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
            frame->close();
        else
            window->close();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(run);
    buttons->addWidget(close);
    return buttons;
}
