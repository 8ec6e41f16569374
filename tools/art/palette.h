// Turning drawn pictures into the palette images the game's glyphs are stored as.
#pragma once

#include <QImage>
#include <QList>

namespace art {

// Picks at most `count` colours that represent `image` well (median cut,
// weighted by pixel count). `fixed` colours are always part of the result and
// come first. The result is sorted only by the algorithm, so it is stable.
QList<QRgb> medianCut(const QImage& image, int count, const QList<QRgb>& fixed = {});

// Every colour of `image` exactly once, in first-seen order (row by row).
QList<QRgb> exactColours(const QImage& image);

// An Indexed8 image whose pixels point to the nearest colour of `palette`.
// The colour table is `palette` padded with black up to `tableSize` entries.
// With `keyFirst`, entry 0 is taken only by pixels of exactly that colour.
QImage toIndexed(const QImage& image, const QList<QRgb>& palette, int tableSize,
                 bool keyFirst = false);

// Replaces kVoid pixels by `key` (the glyph's transparent colour).
QImage keyed(const QImage& image, QRgb key);

// A palette image from a drawn glyph: kVoid becomes the transparent colour `key`
// and the bottom-left pixel is forced to it, so the toolbar knows what to leave out.
QImage glyphImage(const QImage& drawn, QRgb key, int maxColours);

} // namespace art
