#include "app/TFormAbout.h"
#include "app/DialogButtons.h"

#include "app/LinkLabel.h"
#include "app/WindowPlacement.h"
#include "printing/MakerIdentity.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QLabel* textLabel(const QString& text, QWidget* parent, int pointSize, bool bold, QColor colour)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
    return label;
}

// The dark band at the top: logo, program name and the maker's web address.
QWidget* makeBanner(QWidget* parent)
{
    auto* banner = new QFrame(parent);
    banner->setObjectName(QStringLiteral("Panel_Logo"));
    banner->setFrameShape(QFrame::NoFrame);
    banner->setAutoFillBackground(true);
    QPalette colours = banner->palette();
    colours.setColor(QPalette::Window, maker::logoColor());
    banner->setPalette(colours);

    auto* logo = new QLabel(banner);
    logo->setPixmap(maker::logo(64));
    auto* title = textLabel(QStringLiteral("ЗФН-подбор"), banner, 20, true, Qt::white);
    auto* maker = textLabel(maker::name(), banner, 10, false, Qt::white);
    auto* link = new LinkLabel(maker::webAddress(), Qt::white, Qt::yellow, banner);
    link->setObjectName(QStringLiteral("Label_WWW"));
    QFont linkFont = link->font();
    linkFont.setPointSize(10);
    linkFont.setBold(true);
    linkFont.setUnderline(true);
    link->setFont(linkFont);
    link->setToolTip(QStringLiteral("Открыть сайт в обозревателе"));
    QObject::connect(link, &LinkLabel::clicked, link, [] { QDesktopServices::openUrl(maker::webUrl()); });

    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(title);
    texts->addWidget(maker);
    texts->addWidget(link, 0, Qt::AlignLeft);
    auto* layout = new QHBoxLayout(banner);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(16);
    layout->addWidget(logo, 0, Qt::AlignVCenter);
    layout->addLayout(texts, 1);
    return banner;
}

} // namespace

TFormAbout::TFormAbout(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QStringLiteral("О программе"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    auto* body = new QLabel(this);
    body->setObjectName(QStringLiteral("Label_About"));
    body->setWordWrap(true);
    body->setText(
        QStringLiteral(
            "<p>Подбор вентиляторов общеобменной вентиляции и дымоудаления по каталогу производителя, "
            "групповые характеристики серий, подбор агрегатов вентиляционных сборных.</p>"
            "<p>Расчет систем дымоудаления и приточной противодымной вентиляции, воздушных завес "
            "ОРК, ТЕМ и ПЛН («Тэрна»), воздушных тепловых агрегатов ЛУМА.</p>"
            "<p>Версия %1</p>")
            .arg(QCoreApplication::applicationVersion().isEmpty() ? QStringLiteral("1.0")
                                                                  : QCoreApplication::applicationVersion()));
    // A quieter line than the text above, yet dark enough to read on the dialog's face.
    auto* copyright = new QLabel(QStringLiteral("© ") + maker::name(), this);
    copyright->setObjectName(QStringLiteral("Label_Copyright"));
    QPalette quiet = copyright->palette();
    quiet.setColor(QPalette::WindowText, QColor(80, 80, 80));
    copyright->setPalette(quiet);

    auto* ok = makeOkButton(this);
    auto* footer = new QHBoxLayout;
    footer->addWidget(copyright, 1);
    footer->addWidget(ok);

    auto* content = new QVBoxLayout;
    content->setContentsMargins(18, 12, 18, 14);
    content->setSpacing(10);
    content->addWidget(body);
    content->addLayout(footer);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(makeBanner(this));
    layout->addLayout(content);
    // A dialog border: the box takes the size its contents need and cannot be resized.
    body->setFixedWidth(420);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormAbout::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        centreOnScreen(this);
    QDialog::showEvent(event);
}
