#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QUrl>

// The maker's name, web address, colour and logo as the program's windows and printed forms show them.
namespace maker {

QString name(); // "Производственное объединение ЗЕФИРОН"
QString webAddress(); // as printed: "www.zefiron.ru"
QUrl webUrl();
QColor logoColor(); // dark red of the logo panels

// The logo scaled to the given height: the picture "Logo.bmp" beside the program when present,
// otherwise the emblem drawn by the program.
QPixmap logo(int height);

} // namespace maker
