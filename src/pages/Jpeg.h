#pragma once

#include <QByteArray>
#include <QImage>

// JPEG through libjpeg: the report pages are written with the encoder's default settings, and the
// header picture kept with the program is read back the same way.
namespace pages {

// Encodes the image (any format; written as 24-bit colour). Empty on failure.
QByteArray encodeJpeg(const QImage& image);
// Decodes JPEG bytes; a null image when the bytes are no JPEG picture.
QImage decodeJpeg(const QByteArray& bytes);

} // namespace pages
