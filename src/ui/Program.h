#pragma once

#include <QString>

class QWidget;

namespace ui {

class BusyIndicator;
class SharedWindows;
struct DescriptionItem;
class SharedRecords;

// What a window needs of the program: the shared windows, the shared records, the progress window, the
// description window and opening task windows. The program (src/app) implements it and hands it to
// the windows it builds; a window takes it in its constructor, as (ui::Program&, QWidget* parent).
class Program {
public:
    virtual ~Program() = default;

    virtual SharedWindows& windows() = 0;
    virtual SharedRecords& records() = 0;
    // The progress window of long runs.
    virtual BusyIndicator* busyIndicator() = 0;
    // Shows the description window with the item's text.
    virtual void showDescription(const DescriptionItem& item) = 0;
    // Shows the photo window with the caption and a picture file of the program folder; false when the file
    // is missing or no picture (the caller reports it in its own words).
    virtual bool showPhoto(const QString& caption, const QString& fileName) = 0;
    // Opens a new task window of the action, numbered and shown as from the menu; nullptr when the
    // program has no frame (a window run on its own) or the action is unknown.
    virtual QWidget* openTaskWindow(const QString& actionName) = 0;
};

} // namespace ui
