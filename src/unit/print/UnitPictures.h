#pragma once

#include <QImage>
#include <QString>
#include <optional>

// The pictures of the arrangement strip, read by name from the program folder.
namespace unitprint {

// The picture file, or nothing when it cannot be read.
std::optional<QImage> loadUnitPicture(const QString& fileName);

// The picture with a piece's length written into it at the place the strip writes lengths, in the
// pictures' own small font.
QImage withLength(const QImage& picture, const QString& length);

// The message of a picture that cannot be read.
QString pictureMissingMessage(const QString& fileName);

} // namespace unitprint
