#pragma once

#include <QImage>
#include <QString>

// The maker's marks that head every printed page: the logo, the company line and the web address.
namespace report {

QString makerLine(); // "Производственное объединение ЗЕФИРОН"
QString makerWebAddress();
// The logo, 23.8 × 11.9 mm on paper.
QImage makerLogo();

} // namespace report
