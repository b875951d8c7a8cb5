#pragma once

#include <QDialog>

class QSpinBox;

// Asks how many pieces of a silencer or flexible connector the unit has (1 to 10).
class TFormDialogKolich : public QDialog {
    Q_OBJECT
public:
    explicit TFormDialogKolich(QWidget* parent = nullptr);

    // Shows the dialog modally with `preset` in the box; the box's value when the dialog closes.
    int askCount(int preset);

private:
    QSpinBox* m_count;
};
