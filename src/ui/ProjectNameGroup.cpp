#include "ui/ProjectNameGroup.h"

#include "ui/Hints.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace ui {

QGroupBox* projectNameGroup(QWidget* nameBox, QWidget* parent, const QString& openName,
    const QString& saveName, const std::function<void()>& load, const std::function<void()>& save)
{
    auto* group = new QGroupBox(u" Наименование проекта: "_s, parent);
    auto* row = new QHBoxLayout(group);
    row->addWidget(nameBox, 1);
    const struct {
        const QString& name;
        QStyle::StandardPixmap icon;
        QString hint;
        const std::function<void()>& action;
    } buttons[] = {
        {openName, QStyle::SP_DialogOpenButton, u"Загрузить проект из файла|Загрузить проект из файла"_s,
            load},
        {saveName, QStyle::SP_DialogSaveButton, u"Сохранить проект в файле|Сохранить проект в файле"_s, save},
    };
    for (const auto& b : buttons) {
        auto* button = new QToolButton(group);
        button->setObjectName(b.name);
        button->setIcon(group->style()->standardIcon(b.icon));
        setHint(button, b.hint);
        QObject::connect(button, &QToolButton::clicked, group, b.action);
        row->addWidget(button);
    }
    return group;
}

} // namespace ui
