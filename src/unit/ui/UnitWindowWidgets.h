#pragma once

#include <QString>
#include <functional>

class QGroupBox;
class QListWidget;
class QObject;
class QTableWidget;
class QWidget;

// The controls of the unit composition window as it builds and fills them: number boxes it mirrors, string
// grids of compact lines, tick lists and its navy-titled groups.
namespace unit::widgets {

enum Page { PlainPage = 0, InputPage = 1, ElementPage = 2 };

inline constexpr int heaterGridRows = 11;
inline constexpr int coolerGridRowCount = 8;

QString boxText(QWidget* box);
// Sets the text only when it differs, so that mirrored boxes do not echo each other.
void setBoxText(QWidget* box, const QString& text);
// Runs `changed` whenever the text of a number box changes.
void onTextChanged(QWidget* box, QObject* context, const std::function<void()>& changed);

QTableWidget* makeGrid(const QString& name, int rows, int columns, QWidget* parent);
// A grid of fixed rows shows all of them without scrolling up and down, above its horizontal scroll bar
// when it has one.
void fitRows(QTableWidget* grid, bool horizontalScrollBar);
void setCell(QTableWidget* grid, int row, int column, const QString& text);

QListWidget* makeTickList(const QString& name, QWidget* parent);
void addTickItem(QListWidget* list, const QString& text, bool ticked);

QGroupBox* navyGroup(const QString& title, const QString& name, QWidget* parent);

} // namespace unit::widgets
