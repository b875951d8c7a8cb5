#pragma once

class QListWidget;

namespace ui {

// Makes a list at least as wide as its longest item, with room for the scroll bar of a long list, so
// its names are shown whole.
void showItemsWhole(QListWidget* list);

} // namespace ui
