#include "unit/print/UnitPictures.h"

#include "common/ProgramFolder.h"
#include "unit/UnitScheme.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace unitprint {

namespace {

// The small font the pictures are lettered in, in points.
constexpr int letteringPoints = 8;

} // namespace

std::optional<QImage> loadUnitPicture(const QString& fileName)
{
    QImage image;
    if (!image.load(programFilePath(fileName)))
        return std::nullopt;
    return image;
}

QImage withLength(const QImage& picture, const QString& length)
{
    QImage lettered = picture.convertToFormat(QImage::Format_RGB32);
    QPainter p(&lettered);
    QFont font(u"MS Sans Serif"_s);
    font.setPointSize(letteringPoints);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(unit::lengthTextPosition(lettered.width(), lettered.height(), letteringPoints), length);
    return lettered;
}

QString pictureMissingMessage(const QString& fileName)
{
    return u"Не удается открыть файл рисунка \"%1\"!"_s.arg(fileName);
}

} // namespace unitprint
