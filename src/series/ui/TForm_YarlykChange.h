#pragma once

#include <QDialog>
#include <optional>

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

    // Shows the dialog modally until the user shifts, presses "ОК" or closes it. It comes back where it
    // stood last, so that it does not jump about while the user moves a label step by step.
    Result ask();

private:
    void shiftBy(int direction);

    SpinEditWidget* m_increment = nullptr;
    Result m_result;
    std::optional<QPoint> m_place; // where the dialog stood when it last closed
};
