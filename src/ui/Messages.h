#pragma once

#include <QString>
#include <functional>

class QWidget;

// The program's message boxes. Windows report through these functions, never through QMessageBox
// directly, so that tests can capture what the user would be shown.
namespace ui {

enum class MessageKind { Information, Warning, Error };

// Shows a plain message box above the window the user works in and waits until the user closes it.
void showMessage(const QString& text, MessageKind kind = MessageKind::Information);

// Asks a yes/no question; returns true for yes.
bool askYesNo(const QString& text);

// The program's name as the title of its message boxes.
QString programTitle();

// Replaces the message boxes, e.g. by a recorder in tests. An empty function restores the boxes.
using MessageSink = std::function<void(const QString& text, MessageKind kind)>;
void setMessageSink(MessageSink sink);
using QuestionSink = std::function<bool(const QString& text)>;
void setQuestionSink(QuestionSink sink);

} // namespace ui
