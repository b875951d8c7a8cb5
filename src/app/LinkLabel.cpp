#include "app/LinkLabel.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(const QString& text, QColor normal, QColor hover, QWidget* parent)
    : QLabel(text, parent)
    , m_normal(normal)
    , m_hover(hover)
{
    setCursor(Qt::PointingHandCursor);
    paintText(m_normal);
}

void LinkLabel::paintText(const QColor& colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
}

void LinkLabel::enterEvent(QEnterEvent* event)
{
    paintText(m_hover);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event)
{
    paintText(m_normal);
    m_pressed = false;
    QLabel::leaveEvent(event);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click
        = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        Q_EMIT clicked();
}
