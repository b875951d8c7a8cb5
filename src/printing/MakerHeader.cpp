#include "printing/MakerHeader.h"

#include "printing/MakerIdentity.h"

#include <QPixmap>

namespace report {

namespace {
constexpr double kLogoHeightMm = 11.9;
constexpr int kLogoPixels = 562; // about 1200 dpi over the logo's height
} // namespace

QString makerLine()
{
    return maker::name();
}

QString makerWebAddress()
{
    return maker::webAddress();
}

QImage makerLogo()
{
    // The program's own logo, sized on paper by its resolution: 11.9 mm high.
    QImage logo = maker::logo(kLogoPixels).toImage();
    logo.setDevicePixelRatio(1.0);
    const int dotsPerMeter = qRound(logo.height() / (kLogoHeightMm / 1000.0));
    logo.setDotsPerMeterX(dotsPerMeter);
    logo.setDotsPerMeterY(dotsPerMeter);
    return logo;
}

} // namespace report
