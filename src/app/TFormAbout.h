#pragma once

#include <QDialog>

// The About box: the program, its maker and the maker's web address, which opens in the browser.
class TFormAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFormAbout(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};
