#pragma once

#include <QKeySequence>
#include <QString>
#include <vector>

// The task actions of the frame: each opens a new task window and has a link on the start menu.
struct TaskAction {
    QString name; // objectName of the frame's QAction
    QString caption;
    QKeySequence shortcut;
    QString hint; // "short|long"
    QString windowCaptionPrefix; // followed by the running number of the window
    QString labelName; // objectName of the start-menu link
    QString labelCaption;
    int labelTop; // position of the link on the start menu
};

// In menu order.
const std::vector<TaskAction>& taskActions();
const TaskAction* findTaskAction(const QString& name);
