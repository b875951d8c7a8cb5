#pragma once

#include <QByteArray>
#include <QImage>

// JPEG through libjpeg: the report pages are written as grey pictures, and the header picture kept with
// the program is read back the same way.
namespace pages {

// How a picture is encoded: colour or grey, the quality (1 to 100), and whether the file is made as small
// as the encoder can (Huffman tables made for the picture and progressive scans: on mostly white pages the
// runs of empty blocks then cost next to nothing, at some extra encoding time).
struct JpegStyle {
    bool grey = false;
    int quality = 75;
    bool compact = false;
};

// Encodes the image (any format; colour is written as 24-bit colour). Empty on failure.
QByteArray encodeJpeg(const QImage& image, JpegStyle style = {});
// Decodes JPEG bytes; a null image when the bytes are no JPEG picture.
QImage decodeJpeg(const QByteArray& bytes);

} // namespace pages
