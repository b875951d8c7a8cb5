#include "fanviews/ui/TForm_Razmer.h"

#include "common/ProgramFolder.h"
#include "fanviews/FanPictures.h"
#include "ui/Messages.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TForm_Razmer::TForm_Razmer(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(u"Form_Razmer"_s);
    setWindowTitle(u"ЗФН: Основные размеры вентилятора"_s);
    setMinimumSize(200, 100);
    resize(990, 760);

    m_picture = new QLabel;
    m_picture->setObjectName(u"ImageRes"_s);
    m_picture->setAlignment(Qt::AlignCenter);
    m_area = new QScrollArea;
    m_area->setWidget(m_picture);
    m_area->setWidgetResizable(true);
    m_area->setAlignment(Qt::AlignCenter);

    auto* close = new QPushButton(u"Закрыть"_s);
    close->setObjectName(u"Button1"_s);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(close);
    bottom->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_area, 1);
    layout->addLayout(bottom);

    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

void TForm_Razmer::showDrawing(const QString& title, const QString& designation)
{
    m_pictureName = fanviews::drawingName(designation);
    setWindowTitle(title);
    show();
    raise();
    activateWindow();
    // Read once per request, not on every activation: a missing file would otherwise be reported again
    // each time the message box gives the focus back.
    loadPicture();
}

bool TForm_Razmer::hasPicture() const
{
    return !m_picture->pixmap().isNull();
}

void TForm_Razmer::loadPicture()
{
    for (const QString& name : fanviews::drawingFileNames(m_pictureName)) {
        const QString path = programFilePath(name);
        QPixmap picture;
        if (QFileInfo::exists(path) && picture.load(path)) {
            m_picture->setPixmap(picture);
            return;
        }
    }
    // The previous fan's drawing must not stand under this fan's title: the window says what is missing.
    const QString message = u"Не найден файл:  "_s + m_pictureName + u".bmp"_s
        + u"   в каталоге из которого запущена программа"_s;
    m_picture->setText(message);
    ui::showMessage(message, ui::MessageKind::Warning);
}
