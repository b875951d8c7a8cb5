#pragma once

#include <QString>
#include <functional>

class QGroupBox;
class QWidget;

namespace ui {

// The group " Наименование проекта: " of a calculation window: the project name box, then two small buttons
// named `openName` and `saveName` that load and save the project.
QGroupBox* projectNameGroup(QWidget* nameBox, QWidget* parent, const QString& openName,
    const QString& saveName, const std::function<void()>& load, const std::function<void()>& save);

} // namespace ui
