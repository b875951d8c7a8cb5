#pragma once

#include <QDialog>

class QLabel;
class QScrollArea;

// The shared photo window: shows one picture file of the program folder, centred.
// The caller sets the caption, shows the window and loads the picture; it reports a missing file in
// its own words.
class TForm_Foto : public QDialog {
    Q_OBJECT
public:
    explicit TForm_Foto(QWidget* parent = nullptr);

    void setCentred(bool centred);
    // False, with the previous picture kept, when the file is missing or not a picture.
    bool loadPicture(const QString& fileName);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QScrollArea* m_area;
    QLabel* m_picture;
    bool m_placed = false;
};
