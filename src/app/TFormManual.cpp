#include "app/TFormManual.h"

#include "app/DescriptionItems.h"
#include "app/RichTextFile.h"
#include "app/WindowPlacement.h"
#include "ui/DialogOwner.h"
#include "ui/Hints.h"
#include "ui/Messages.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QTextEdit>
#include <QVBoxLayout>

TFormManual::TFormManual(QWidget* parent)
    : QDialog(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FormManual"));
    setWindowTitle(QStringLiteral("ЗФН: Описание по сериям вентиляторов:"));
    resize(696, 480);

    m_text = new QTextEdit(this);
    m_text->setObjectName(QStringLiteral("RichEdit_Manual"));
    m_text->setReadOnly(true);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette colours = m_text->palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, QColor(0, 0, 128));
    m_text->setPalette(colours);
    ui::setHint(m_text, QStringLiteral("|Описание по сериям вентиляторов"));

    auto* ok = new QPushButton(QStringLiteral("ОК"), this);
    ok->setObjectName(QStringLiteral("BitBtn_OK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* print = new QPushButton(QStringLiteral("Печать"), this);
    print->setObjectName(QStringLiteral("BitBtn_Print"));
    connect(print, &QPushButton::clicked, this,
        [this] { Q_EMIT printRequested(m_reportTitle, m_text->document(), m_reportPicture); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(print);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);
}

void TFormManual::showItem(const DescriptionItem& item)
{
    ui::showAboveRequester(this);
    if (!item.windowCaption.isEmpty())
        setWindowTitle(item.windowCaption);
    if (!loadRichTextFile(m_text, item.rtfFile))
        ui::showMessage(item.missingFileMessage, ui::MessageKind::Warning);
    m_reportTitle = item.reportTitle;
    m_reportPicture = item.reportPicture;
}

QTextDocument* TFormManual::document() const
{
    return m_text->document();
}

void TFormManual::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        centreOnWindow(this, parentWidget());
    QDialog::showEvent(event);
}
