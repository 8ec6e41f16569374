// The level display's strip: dot-matrix digits and the two faces.
#pragma once

#include <QImage>
#include <QList>

namespace art {

inline constexpr int kDigitStripWidth = 148;
inline constexpr int kDigitStripHeight = 20;

// The four colours of the strip, in palette order: black, dark olive, yellow, red.
QList<QRgb> DigitStripColours();
// 148 x 20 in Format_RGB32 (296 x 40 at zoom 2), using only DigitStripColours().
QImage DrawDigitStrip(int zoom = 1);

} // namespace art
