#pragma once

#include <QFrame>

// The start menu that the frame shows while no task window is open: the maker's band and one link
// per task. A click on a link asks the frame to run the task's action.
class TFormStartMenu : public QFrame {
    Q_OBJECT
public:
    explicit TFormStartMenu(QWidget* parent = nullptr);

Q_SIGNALS:
    void actionRequested(const QString& actionName);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* m_banner;
};
