#include "ui/Messages.h"

#include "ui/DialogOwner.h"

#include <QMessageBox>

namespace ui {
namespace {
MessageSink& messageSink()
{
    static MessageSink sink;
    return sink;
}

QuestionSink& questionSink()
{
    static QuestionSink sink;
    return sink;
}

// Shows a box above the window the user works in, even when a window that stays on top is open.
QMessageBox::StandardButton runBox(
    QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, programTitle(), text, buttons, dialogOwner());
    keepAboveStayOnTopWindows(&box);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace

void showMessage(const QString& text, MessageKind kind)
{
    if (messageSink()) {
        messageSink()(text, kind);
        return;
    }
    switch (kind) {
    case MessageKind::Information:
        runBox(QMessageBox::Information, text, QMessageBox::Ok);
        break;
    case MessageKind::Warning:
        runBox(QMessageBox::Warning, text, QMessageBox::Ok);
        break;
    case MessageKind::Error:
        runBox(QMessageBox::Critical, text, QMessageBox::Ok);
        break;
    }
}

bool askYesNo(const QString& text)
{
    if (questionSink())
        return questionSink()(text);
    return runBox(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QString programTitle()
{
    return QStringLiteral("ЗФН-подбор");
}

void setMessageSink(MessageSink sink)
{
    messageSink() = std::move(sink);
}
void setQuestionSink(QuestionSink sink)
{
    questionSink() = std::move(sink);
}

} // namespace ui
