#include "app/TFormStartMenu.h"

#include "app/LinkLabel.h"
#include "app/TaskActions.h"
#include "printing/MakerIdentity.h"
#include "ui/Hints.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QResizeEvent>

namespace {
constexpr int bannerHeight = 33;
constexpr int linkLeft = 24;
// Thin rules between the groups of tasks: fans, units and systems, curtains and heating.
constexpr int groupRules[] = {100, 164, 252};

QWidget* makeBanner(QWidget* parent)
{
    auto* banner = new QFrame(parent);
    banner->setObjectName(QStringLiteral("Panel_Logo"));
    banner->setAutoFillBackground(true);
    QPalette colours = banner->palette();
    colours.setColor(QPalette::Window, maker::logoColor());
    colours.setColor(QPalette::WindowText, Qt::white);
    banner->setPalette(colours);

    auto* logo = new QLabel(banner);
    logo->setObjectName(QStringLiteral("Image_Logo"));
    logo->setPixmap(maker::logo(25));
    auto* maker = new QLabel(QStringLiteral("Производственное  объединение  ЗЕФИРОН"), banner);
    maker->setObjectName(QStringLiteral("Label_Zefiron"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    font.setBold(true);
    maker->setFont(font);

    auto* layout = new QHBoxLayout(banner);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(10);
    layout->addWidget(logo);
    layout->addWidget(maker, 1);
    return banner;
}
} // namespace

TFormStartMenu::TFormStartMenu(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("FormStartMenu"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(13);
    setFont(font);

    m_banner = makeBanner(this);
    for (const TaskAction& action : taskActions()) {
        auto* link = new LinkLabel(action.labelCaption, Qt::black, Qt::blue, this);
        link->setObjectName(action.labelName);
        ui::setHint(link, action.hint);
        link->move(linkLeft, action.labelTop);
        link->adjustSize();
        const QString name = action.name;
        connect(link, &LinkLabel::clicked, this, [this, name] { Q_EMIT actionRequested(name); });
    }
}

void TFormStartMenu::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    const int border = frameWidth();
    m_banner->setGeometry(border, border, width() - 2 * border, bannerHeight);
}

void TFormStartMenu::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    for (const int y : groupRules)
        painter.drawLine(linkLeft, y, width() - linkLeft, y);
}
