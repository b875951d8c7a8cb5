#pragma once

#include <QDialog>

class SpinEditWidget;

// "Перемещение ярлычка": moves a fan's label on the series chart by a number of m³/h to the left or to
// the right. Each shift ends the dialog with the shift; the caller moves the label and asks again until
// the user presses "ОК" (or closes the dialog, which takes the moves back).
class TForm_YarlykChange : public QDialog {
    Q_OBJECT
public:
    enum class Answer { Done, Shift, Cancelled };
    struct Result {
        Answer answer = Answer::Cancelled;
        double shift = 0; // m³/h, negative to the left
    };

    explicit TForm_YarlykChange(QWidget* parent = nullptr);

    // Shows the dialog modally until the user shifts, presses "ОК" or closes it.
    Result ask();

private:
    void shiftBy(int direction);

    SpinEditWidget* m_increment = nullptr;
    Result m_result;
};
