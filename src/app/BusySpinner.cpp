#include "app/BusySpinner.h"

#include "printing/MakerIdentity.h"

#include <QPainter>
#include <QTimerEvent>
#include <QtMath>

namespace {
constexpr int dotCount = 12;
constexpr int msPerDot = 80;
} // namespace

BusySpinner::BusySpinner(QWidget* parent)
    : QWidget(parent)
{
    m_clock.start();
}

void BusySpinner::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = qMin(width(), height());
    const qreal outer = side / 2.0 - 2.0;
    const qreal dot = side / 11.0;
    const int lead = int(m_clock.elapsed() / msPerDot) % dotCount;
    painter.translate(width() / 2.0, height() / 2.0);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < dotCount; ++i) {
        const int age = (lead - i + dotCount) % dotCount; // 0 for the brightest dot
        QColor colour = maker::logoColor();
        colour.setAlphaF(1.0 - age * 0.075);
        painter.setBrush(colour);
        const qreal angle = qDegreesToRadians(i * 360.0 / dotCount - 90.0);
        const QPointF centre((outer - dot) * qCos(angle), (outer - dot) * qSin(angle));
        painter.drawEllipse(centre, dot, dot);
    }
}

void BusySpinner::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timer)
        update();
}

void BusySpinner::showEvent(QShowEvent*)
{
    if (!m_timer)
        m_timer = startTimer(msPerDot);
}

void BusySpinner::hideEvent(QHideEvent*)
{
    if (m_timer)
        killTimer(m_timer);
    m_timer = 0;
}
