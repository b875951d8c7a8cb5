#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QLabel;
class ProgramContext;
class TFormStartMenu;
namespace ui {
struct DescriptionItem;
}

// The program's frame: the workspace of task windows, the menus of tasks, descriptions and help, the
// status bar with the long hint of whatever is under the pointer, and the start menu that appears
// whenever no task window is open.
class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormMain(QWidget* parent = nullptr);
    ~TFormMain() override;

    // Registers the program's shared windows, owned by this frame; each is built on first use.
    void createSharedWindows();
    // The program as its windows see it: shared windows, shared records, progress and description.
    ProgramContext& program() const { return *m_program; }

    QMdiArea* workspace() const { return m_workspace; }
    TFormStartMenu* startMenu() const;
    bool isClosing() const { return m_closing; }

    // Opens a new task window of the action's class titled with the action's prefix and the number of
    // windows of that class open now plus one. Returns the window, or nullptr for an unknown action.
    QWidget* openTaskWindow(const QString& actionName);
    // The assembled unit: asks the supply-system kind first; cancelling opens nothing.
    QWidget* openUnitWindow();
    void showDescription(const ui::DescriptionItem& item);

    // A note in the status bar that stays while hints come and go (e.g. which catalogue is open).
    void setPermanentStatus(const QString& text);

public Q_SLOTS:
    // Shows the start menu when no window is open, closes it once a task window has joined it.
    void updateStartMenu();

Q_SIGNALS:
    // The menu item "Сохраненные печатные формы (*.QRP)": the saved-report viewer serves it.
    void savedReportsRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMenus();
    QMenu* addFrameMenu(const QString& title, const QString& hint, int mergeGroup);
    void scheduleStartMenuUpdate();
    void createStartMenu();
    void layoutStartMenu();
    void mergeMenusOf(QMdiSubWindow* active);
    void runAction(const QString& actionName);

    std::unique_ptr<ProgramContext> m_program;
    QMdiArea* m_workspace;
    QLabel* m_permanentStatus;
    QList<QMenu*> m_frameMenus;
    QPointer<QMdiSubWindow> m_startMenuWindow;
    bool m_closing = false;
    bool m_updateQueued = false;
};
