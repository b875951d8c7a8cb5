#pragma once

#include "ui/Program.h"
#include "ui/SharedRecords.h"
#include "ui/SharedWindows.h"

#include <functional>

// The program as its windows see it: the shared windows (owned by the frame), the shared records, the
// progress and description windows, and opening task windows through the frame. One per frame; tests
// make their own with the windows they need registered.
class ProgramContext : public ui::Program {
public:
    // `owner` parents the shared windows; null leaves them top-level (tests).
    explicit ProgramContext(QWidget* owner = nullptr);
    ~ProgramContext() override;

    ui::SharedWindows& windows() override { return m_windows; }
    ui::SharedRecords& records() override { return m_records; }
    // The shared progress window.
    ui::BusyIndicator* busyIndicator() override;
    // The shared description window shows the item.
    void showDescription(const ui::DescriptionItem& item) override;
    // The shared photo window shows the picture, centred.
    bool showPhoto(const QString& caption, const QString& fileName) override;
    QWidget* openTaskWindow(const QString& actionName) override;

    // The frame opens task windows for the program's windows through this.
    void setTaskWindowOpener(std::function<QWidget*(const QString&)> opener);

private:
    ui::SharedWindows m_windows;
    ui::SharedRecords m_records;
    std::function<QWidget*(const QString&)> m_openTaskWindow;
};
