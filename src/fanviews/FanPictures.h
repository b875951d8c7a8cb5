#pragma once

#include <QString>
#include <QStringList>

// The picture files of a fan beside the program: the photograph of its series and its dimension drawing.
namespace fanviews {

struct SeriesPhoto {
    QString seriesName; // the designation up to its first blank (of its first 15 characters)
    QString fileName; // series name, the suffix "b" for the three-phase ДЮНА sizes 3,15 to 4,5, ".bmp"
};

SeriesPhoto seriesPhotoOf(const QString& designation);

// The drawing window and the printed sheet name a drawing by the designation, at most 25 characters.
// A character no file name may hold (the "/" of hand-named models such as "ВРП-ЩИТ 40-4/0,75", and
// \ : * ? " < > |) stands as "_" in the file name, so every fan can have its drawing.
QString drawingName(const QString& designation);
// The files that may hold the drawing, in the order they are tried: "<name>.jpg", "<name>.bmp".
QStringList drawingFileNames(const QString& designation);

} // namespace fanviews
