#include "fanviews/FanPictures.h"

#include "common/Cp1251.h"
#include "fans/FanDesignation.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace fanviews {
namespace {

// Code page 1251 codes compared one by one; a prefix sorts before the longer text.
bool lessInCodePage(const QString& a, const QString& b)
{
    const QByteArray x = cp1251::encode(a);
    const QByteArray y = cp1251::encode(b);
    return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(),
        [](char l, char r) { return static_cast<unsigned char>(l) < static_cast<unsigned char>(r); });
}

} // namespace

SeriesPhoto seriesPhotoOf(const QString& designation)
{
    const QString start = designation.left(15);
    // The three-phase ДЮНА sizes 3,15 to 4,5 have a photograph of their own.
    const bool inRange
        = !lessInCodePage(start, u"ДЮНА 3,15-4-3"_s) && !lessInCodePage(u"ДЮНА 4,5-8-3"_s, start);
    const qsizetype blank = start.indexOf(QLatin1Char(' '));
    SeriesPhoto photo;
    photo.seriesName = blank < 0 ? start : start.left(blank);
    photo.fileName = photo.seriesName + (inRange ? u"b"_s : QString()) + u".bmp"_s;
    return photo;
}

QString drawingName(const QString& designation)
{
    QString name = designation.left(fans::nameLength);
    for (QChar& c : name) {
        if (QStringView(u"/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    return name;
}

QStringList drawingFileNames(const QString& designation)
{
    const QString name = drawingName(designation);
    return {name + u".jpg"_s, name + u".bmp"_s};
}

} // namespace fanviews
