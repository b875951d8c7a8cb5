#pragma once

#include <QDialog>

class QTextEdit;

// The help window: the user guide "Help.rtf", reloaded each time the window is opened.
class TFormHelp : public QDialog {
    Q_OBJECT
public:
    explicit TFormHelp(QWidget* parent = nullptr);

    // Loads the guide; a missing file is reported and the previous text stays.
    bool reload();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTextEdit* m_text;
    bool m_placed = false;
};
