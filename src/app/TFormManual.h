#pragma once

#include <QDialog>

class QTextDocument;
class QTextEdit;
namespace ui {
struct DescriptionItem;
}

// The description window: shows the RTF text of one item of the "Описание" menu and prints it.
class TFormManual : public QDialog {
    Q_OBJECT
public:
    explicit TFormManual(QWidget* parent = nullptr);

    // Shows the window with the item's caption (an empty one keeps the caption shown) and text. A missing RTF
    // file is reported with the item's message and the previous text stays. The item's report title and
    // picture are kept for printing either way.
    void showItem(const ui::DescriptionItem& item);

    QTextDocument* document() const;
    QString reportTitle() const { return m_reportTitle; }
    QString reportPicture() const { return m_reportPicture; }

Q_SIGNALS:
    // "Печать": the printed description serves this with its modal preview and returns afterwards.
    void printRequested(const QString& reportTitle, QTextDocument* text, const QString& pictureFile);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTextEdit* m_text;
    QString m_reportTitle = QStringLiteral("Описание серий вентиляторов:");
    QString m_reportPicture;
};
