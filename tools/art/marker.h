// The marker that shows the selected cell: a small open car, seen from above,
// turning on the spot. The game ANDs the mask onto the tile and ORs the sprite on.
#pragma once

#include <QImage>
#include <QPainter>

namespace art {

inline constexpr int kMarkerSize = 20;
inline constexpr int kMarkerFrames = 8;

// The car alone, centred on the origin with its nose pointing up, about 9 x 16
// units; the icon and the splash picture use it too.
void DrawCar(QPainter& p);

// The eight frames side by side (160 x 20, times zoom), each a further 45 degrees
// clockwise, on pure black. No pixel of the car itself is pure black.
QImage DrawMarkerSprites(int zoom = 1);
// Black where the sprite is not black, white elsewhere.
QImage MarkerMasks(const QImage& sprites);

} // namespace art
