#pragma once

#include <QPoint>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

// The arrangement of an assembled unit along the air path: the pieces as list lines, their order stored in
// the working table RepRrSst, and the strip of pictures that shows them.
namespace unit {

// One row of RepRrSst as stored: every value a text, as the result window's grid held it.
struct SchemeRow {
    int num = 0;
    QString name;
    QString tip;
    QString model;
    QString length; // one piece, mm
    QString section;
    QString count;
    int position = 0; // PoryadokNum
};

// The rows of RepRrSst in arrangement order. Throws CatalogueError.
std::vector<SchemeRow> readSchemeRows(const QSqlDatabase& db);

// The condensing unit of the arrangement (the model of its "ККБ" row), if it has one.
std::optional<QString> schemeCondensingUnit(const std::vector<SchemeRow>& rows);

// "NAME: Tip - Model /Dlinaмм", one line per piece: `count` equal lines (one when it is 0 or less or not a
// number); the condensing unit stands outside the air path and has none.
QStringList schemeLines(const std::vector<SchemeRow>& rows);

// The total length of the pieces in the air path, mm: count × length of every row but the condensing unit.
qint64 schemeLength(const std::vector<SchemeRow>& rows);
QString schemeLengthText(qint64 millimetres); // "Общая длина модульной системы: 3450 мм"

// A list line read back.
struct SchemeLine {
    QString name;
    QString tip;
    QString model;
    QString length;
};
SchemeLine readSchemeLine(const QString& line);

// Stores the order of the lines: the row of line i (1-based) gets position i, so that the several lines of
// one row leave it the position of the last of them. One transaction. Throws CatalogueError.
void storeSchemeOrder(const QSqlDatabase& db, const QStringList& lines);

// Moving a line: the new order and the line selected afterwards.
struct MovedLines {
    QStringList lines;
    int selected = 0;
};
// One step towards the end (+1) or the start (−1); a step past either end changes nothing.
MovedLines stepLine(const QStringList& lines, int from, int step);
// Dragging line `from` onto line `onto`: before it when `onto` comes earlier, else after it; the line now
// under the drop point is selected. A drop below the last line (onto < 0 or past the end) takes the line
// to the end and selects it there.
MovedLines dropLine(const QStringList& lines, int from, int onto);

// The picture strip: 32 slots; slot k (1-based) shows line k, slot n + 1 the duct behind the last line.
// On screen as on paper the used slots stand side by side from the left, slot 1 first.
inline constexpr int stripSlots = 32;
// How many slots a strip of `lineCount` lines uses: the lines and the duct, at most 32.
int usedStripSlots(int lineCount);

// The picture file of a line ("Фильтр_Карманный.bmp"); "Y_" in front for the selected line on screen.
QString piecePicture(const SchemeLine& line, bool selected = false);
// The duct's picture for the fan's duct size: "Kanal_600_300.bmp" for "600*300" (or "600_300").
QString ductPicture(const QString& ductSize);
// Empty slots.
QString emptySlotPicture(bool printed); // "default.bmp" on screen, "w_default.bmp" printed
// The fan's duct size as the strip keeps it: its first "*" replaced by "_".
QString stripDuctSize(const QString& ductSize);

// Where a piece's length is written into its picture of w × h pixels in a font of `pointSize` points:
// x = w/2 − 9, y = h − 2.5·pointSize, each rounded half to even.
QPoint lengthTextPosition(int width, int height, double pointSize);

} // namespace unit
