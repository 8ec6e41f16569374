// The board area's background: granite frame, black board field, and the source
// strips the game copies from it (marker sprites and masks, the two gauge strips).
#pragma once

#include <QImage>
#include <QRect>

namespace art {

inline constexpr int kBackdropWidth = 520;
inline constexpr int kBackdropHeight = 376;
inline constexpr QRect kBoardField{22, 20, 432, 336};
inline constexpr QRect kEmptyGauge{415, 32, 31, 315};
inline constexpr QRect kFullGauge{469, 32, 31, 315};
inline constexpr QPoint kSpriteStrip{30, 30};
inline constexpr QPoint kMaskStrip{30, 50};

// The gauge lettering (31 x 315, times zoom): grey for the empty strip, blue for the
// full one.
QImage DrawGaugeStrip(bool full, int zoom = 1);
// 520 x 376, RGB32; with zoom 2 the same picture with twice the pixels (1040 x 752),
// every strip at twice its coordinates.
QImage DrawBackdrop(int zoom = 1);

} // namespace art
