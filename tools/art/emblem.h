// The game's face to the desktop: the window icon and the splash picture.
#pragma once

#include "assetset.h"

#include <QImage>
#include <QList>

namespace art {

// A road tile with the little car on its curve and a house beside it.
// ARGB32 with soft edges, for desktop integration.
QImage DrawIcon(int size);
QList<int> IconSizes();
// The window icon: the same motif, 32 x 32 (times zoom), square and opaque,
// 16 colours.
Picture DrawIconBmp(int zoom = 1);

// 200 x 150 (times zoom), 256 colours: a piece of board laid with tiles of
// `sheet` (the sheet of the same zoom), the driver's cartoon face and the title
// lettering.
Picture DrawSplash(const QImage& sheet, int zoom = 1);

} // namespace art
