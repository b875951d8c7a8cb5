#pragma once

#include <QByteArray>
#include <QImage>

// JPEG through libjpeg: the report pages are written as grey pictures, and the header picture kept with
// the program is read back the same way.
namespace pages {

// How a picture is encoded: colour or grey, and the quality (1 to 100).
struct JpegStyle {
    bool grey = false;
    int quality = 75;
};

// Encodes the image (any format; colour is written as 24-bit colour). Empty on failure.
QByteArray encodeJpeg(const QImage& image, JpegStyle style = {});
// Decodes JPEG bytes; a null image when the bytes are no JPEG picture.
QImage decodeJpeg(const QByteArray& bytes);

} // namespace pages
