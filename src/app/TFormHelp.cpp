#include "app/TFormHelp.h"
#include "app/DialogButtons.h"

#include "app/RichTextFile.h"
#include "app/WindowPlacement.h"
#include "ui/Messages.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QTextEdit>
#include <QVBoxLayout>

TFormHelp::TFormHelp(QWidget* parent)
    : QDialog(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FormHelp"));
    setWindowTitle(QStringLiteral("ЗФН-подбор"));
    resize(760, 560);
    setMinimumSize(200, 100);

    m_text = new QTextEdit(this);
    m_text->setObjectName(QStringLiteral("RichEdit_Help"));
    m_text->setReadOnly(true);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette colours = m_text->palette();
    colours.setColor(QPalette::Base, QColor(255, 251, 240));
    m_text->setPalette(colours);

    auto* buttons = makeCentredOkRow(this, QStringLiteral("Оk"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);
}

bool TFormHelp::reload()
{
    if (loadRichTextFile(m_text, QStringLiteral("Help.rtf")))
        return true;
    ui::showMessage(QStringLiteral("Не удается найти файл 'Help.rtf'."), ui::MessageKind::Warning);
    return false;
}

void TFormHelp::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (!m_placed) {
        centreOnScreen(this);
        m_placed = true;
    }
    // Loaded when opened rather than on every activation: the message box of a missing file would
    // otherwise reactivate the window and repeat itself, and reading would lose the reader's place.
    reload();
}
