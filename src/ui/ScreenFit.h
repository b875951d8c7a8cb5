#pragma once

#include <QSize>

class QWidget;

namespace ui {

// Gives a top-level window its preferred size, or less where the screen it opens on is smaller (a
// margin stays free around it), and puts it in the middle of that screen's free area.
void fitCentredOnScreen(QWidget* window, QSize preferred);

// Shows an open window again in front of the others, restored when it was minimised.
void bringToFront(QWidget* window);

} // namespace ui
