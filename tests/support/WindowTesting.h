#pragma once

#include "ui/FileDialogs.h"
#include "ui/Messages.h"
#include "ui/SpinEditWidget.h"
#include "ui/UserSettings.h"
#include "ui/report/Report.h"
#include "ui/report/ReportPreviewWindow.h"

#include <QAbstractButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

// Driving windows in tests as the user does: controls found by their names, numbers typed, buttons clicked.
namespace windowtesting {

// The named child of a window; a missing child fails the test.
template <typename T> T* child(const QWidget* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

inline void setText(const QWidget* window, const QString& box, const QString& text)
{
    child<SpinEditWidget>(window, box)->setText(text);
}

inline QString text(const QWidget* window, const QString& box)
{
    return child<SpinEditWidget>(window, box)->text();
}

inline void click(const QWidget* window, const QString& button)
{
    QTest::mouseClick(child<QAbstractButton>(window, button), Qt::LeftButton);
}

// Runs a print and closes the report's preview as soon as it shows: the number of pages it showed, or -1
// when no preview opened.
inline int previewedPages(const report::Report& report, const std::function<void()>& print)
{
    int pages = -1;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (report::ReportPreviewWindow* preview = report.openPreview()) {
            pages = preview->report().pageCount();
            preview->close();
        }
    });
    closer.start(20);
    print();
    return pages;
}

// A window test whose program messages are collected in `messages` and whose per-user settings live in a
// temporary folder; the settings file, the message sink and any file dialog answer are reset after it.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ui::setUserSettingsFile(dir.filePath(QStringLiteral("user.ini")));
        ui::setMessageSink([this](const QString& text, ui::MessageKind) { messages << text; });
    }
    void TearDown() override
    {
        ui::setUserSettingsFile({});
        ui::setMessageSink({});
        ui::setFileDialogAnswer({});
    }

    QTemporaryDir dir;
    QStringList messages;
};

// What a window's project-file dialogs asked: `save` runs the saving with `savePath` as the answer, `open`
// the loading, which is cancelled.
struct ProjectDialogsAsked {
    ui::FileDialogRequest save {};
    ui::FileDialogRequest open {};
};
inline ProjectDialogsAsked askProjectDialogs(
    const std::function<void()>& save, const std::function<void()>& open, const QString& savePath)
{
    ProjectDialogsAsked asked;
    ui::setFileDialogAnswer([&](const ui::FileDialogRequest& request) {
        const bool saving = request.kind == ui::FileDialogKind::Save;
        (saving ? asked.save : asked.open) = request;
        return saving ? savePath : QString();
    });
    save();
    open();
    ui::setFileDialogAnswer({});
    return asked;
}

} // namespace windowtesting
