#include "app/TForm_Animate.h"

#include "app/BusySpinner.h"
#include "app/WindowPlacement.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>

TForm_Animate::TForm_Animate(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form_Animate"));
    // It only reports progress: the focus stays in the window that runs.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QStringLiteral("Идет анализ..."));
    setFixedSize(229, 88);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(14);
    auto* spinner = new BusySpinner(this);
    spinner->setFixedSize(44, 44);
    layout->addWidget(spinner);
    m_message = new QLabel(QStringLiteral("Поиск в каталоге,\nподождите..."), this);
    m_message->setWordWrap(true);
    layout->addWidget(m_message, 1);
}

void TForm_Animate::start(const QString& message)
{
    if (!message.isEmpty())
        m_message->setText(message);
    centreOnScreen(this);
    show();
    raise();
    step();
}

void TForm_Animate::step()
{
    if (!isVisible())
        return;
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TForm_Animate::finish()
{
    hide();
}
