#pragma once

#include <QWidget>

class QLabel;
class QScrollArea;

// The dimension drawing of one fan, read from the program folder by the fan's designation.
class TForm_Razmer : public QWidget {
    Q_OBJECT
public:
    explicit TForm_Razmer(QWidget* parent = nullptr);

    // Shows the drawing of the designation under the title. A drawing that is missing or unreadable is
    // reported, and the window then shows no drawing but the message.
    void showDrawing(const QString& title, const QString& designation);

    const QString& pictureName() const { return m_pictureName; }
    bool hasPicture() const;

private:
    void loadPicture();

    QScrollArea* m_area = nullptr;
    QLabel* m_picture = nullptr;
    QString m_pictureName; // the designation, at most 25 characters
};
