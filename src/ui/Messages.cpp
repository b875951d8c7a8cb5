#include "ui/Messages.h"

#include <QApplication>
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

QString applicationTitle()
{
    return QApplication::applicationDisplayName().isEmpty() ? QStringLiteral("ЗФН-подбор")
                                                            : QApplication::applicationDisplayName();
}
} // namespace

void showMessage(const QString& text, MessageKind kind)
{
    if (messageSink()) {
        messageSink()(text, kind);
        return;
    }
    QWidget* parent = QApplication::activeWindow();
    switch (kind) {
    case MessageKind::Information:
        QMessageBox::information(parent, applicationTitle(), text);
        break;
    case MessageKind::Warning:
        QMessageBox::warning(parent, applicationTitle(), text);
        break;
    case MessageKind::Error:
        QMessageBox::critical(parent, applicationTitle(), text);
        break;
    }
}

bool askYesNo(const QString& text)
{
    if (questionSink())
        return questionSink()(text);
    return QMessageBox::question(QApplication::activeWindow(), applicationTitle(), text) == QMessageBox::Yes;
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
