#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QGroupBox;
class QHBoxLayout;
class QMenu;
class QPushButton;
class QTabWidget;
class QTextEdit;
class QVBoxLayout;
class QWidget;

// The frame of a paged calculation window: on the left the numbered input pages with "<< Назад",
// "Далее >>" and "Описание" (the pages change only through those buttons), on the right the read-only
// report pane with "Отчет в файл", and the menu "Файл" that loads and saves projects. The window adds
// its pages and whatever sits below the report, and connects the buttons.
class CalculationWizardFrame : public QObject {
    Q_OBJECT
public:
    // Lays the two panels out in `window`; the left one is `inputWidth` pixels wide.
    CalculationWizardFrame(QWidget* window, int inputWidth);

    QWidget* panelIn = nullptr; // PanelIn
    QTabWidget* pages = nullptr; // PageControl
    QPushButton* prev = nullptr; // bPrev
    QPushButton* next = nullptr; // bNext
    QPushButton* description = nullptr; // Button5
    QTextEdit* report = nullptr; // JvRichEditOut
    QPushButton* saveReport = nullptr; // bSaveToFile
    QHBoxLayout* saveRow = nullptr; // the row of "Отчет в файл", for buttons the window adds at its right end
    QVBoxLayout* outColumn = nullptr; // the right panel, for what the window adds below the report
    QAction* openProject = nullptr; // "Загрузить файл проекта"
    QAction* saveProject = nullptr; // "Сохранить проект как..."
    QMenu* fileMenu = nullptr; // MenuFile

    // Below its two items the menu "Файл" lists the recently used projects with the extension, newest
    // first, refreshed each time it opens; choosing one calls `open` with its path.
    void listRecentProjects(const QString& suffix, std::function<void(const QString& path)> open);
    void fillRecentProjects();

    // The group " Наименование проекта: " with the name box and the two small buttons that trigger
    // loading and saving a project.
    QGroupBox* projectGroup(QWidget* nameBox, QWidget* parent) const;

    // Loads the report document (RTF) into the pane.
    void showReport(const QByteArray& rtf) const;
    // "Отчет в файл": asks for a file name (preset with the project name) and writes the report as
    // JPEG pages or as a PDF; a failure is shown.
    void saveReportPages(const QByteArray& rtf, const QString& projectName) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QString m_recentSuffix;
    std::function<void(const QString& path)> m_openRecent;
    QList<QAction*> m_recentActions;
};
