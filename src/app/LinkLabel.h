#pragma once

#include <QColor>
#include <QLabel>

// A label that acts as a link: hand cursor, one colour while the pointer is over it and another when
// it leaves, and a click signal.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& text, QColor normal, QColor hover, QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void paintText(const QColor& colour);

    QColor m_normal;
    QColor m_hover;
    bool m_pressed = false;
};
