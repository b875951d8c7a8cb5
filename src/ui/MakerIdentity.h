#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QUrl>

// The maker's name, web address, colour and logo as the program's windows and printed forms show them.
namespace ui {

QString makerName(); // "Производственное объединение ЗЕФИРОН"
QString makerWebAddress(); // as printed: "www.zefiron.ru"
QUrl makerWebUrl();
QColor makerLogoColor(); // dark red of the logo panels

// The logo scaled to the given height: the picture "Logo.bmp" beside the program when present,
// otherwise the emblem drawn by the program.
QPixmap makerLogo(int height);

} // namespace ui
