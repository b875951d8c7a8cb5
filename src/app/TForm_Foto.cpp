#include "app/TForm_Foto.h"
#include "app/DialogButtons.h"

#include "app/WindowPlacement.h"
#include "common/ProgramFolder.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>

TForm_Foto::TForm_Foto(QWidget* parent)
    : QDialog(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form_Foto"));
    setWindowTitle(QStringLiteral("ЗФН: Фотография:"));
    resize(572, 417);
    setMinimumSize(200, 100);

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Image_Foto"));
    m_area = new QScrollArea(this);
    m_area->setWidget(m_picture);
    m_area->setWidgetResizable(false);
    m_area->setFrameShape(QFrame::NoFrame);
    m_area->setBackgroundRole(QPalette::Base);

    auto* buttons = makeCentredOkRow(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(m_area, 1);
    layout->addLayout(buttons);
    setCentred(true);
}

void TForm_Foto::setCentred(bool centred)
{
    m_area->setAlignment(centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
}

bool TForm_Foto::loadPicture(const QString& fileName)
{
    QPixmap picture;
    if (!picture.load(programFilePath(fileName)))
        return false;
    m_picture->setPixmap(picture);
    m_picture->resize(picture.size());
    return true;
}

void TForm_Foto::showEvent(QShowEvent* event)
{
    if (!m_placed) {
        centreOnScreen(this);
        m_placed = true;
    }
    QDialog::showEvent(event);
}
