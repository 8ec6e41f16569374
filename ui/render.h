// The block transfers that make up every picture of the board and the level
// display. Each works on the window's own backing images, so the tests can
// look at exactly the pixels the player sees.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>

namespace zt::render {

constexpr int BoxWidth = 520;
constexpr int BoxHeight = 376;
constexpr int LevelBoxWidth = 57;
constexpr int LevelBoxHeight = 20;
constexpr int MarkerSize = 20;
constexpr int MarkerFrames = 8;

// The gauge strip: where it is drawn and where its empty look comes from.
constexpr int GaugeLeft = 469;
constexpr int GaugeTop = 32;
constexpr int GaugeWidth = 31;
constexpr int GaugeHeight = 315;
constexpr int EmptyGaugeLeft = 415;

// Source rectangles in the three pictures.
QRect TileRect(int tile);
QRect MarkerSpriteRect(int frame);
QRect MarkerMaskRect(int frame);
QRect DigitRect(int digit); // 0..9; 10 is the unlit digit cell
QRect FaceRect(bool solved);

// Top-left corner of cell (c, r) in the board area.
QPoint CellOrigin(int c, int r);

// Copies from into dst at `at` with the given raster operation; returns the
// rectangle of dst that changed.
QRect Blit(QImage& dst, QPoint at, const QImage& src, const QRect& from,
           QPainter::CompositionMode mode = QPainter::CompositionMode_Source);

// The selected cell as it goes onto the board in one piece: the tile, and
// unless the level is solved the marker of the frame put on it by AND (mask)
// and OR (sprite) at the tile's anchor.
void ComposeSelectedCell(QImage& cell, const QImage& tileSheet, const QImage& backdrop, int tile,
                         QPoint anchor, int frame, bool solved);

// Rows of the gauge that show the full strip for n of count levels solved.
int GaugeFilledRows(int solved, int count);
// Draws the gauge into the board area; returns the changed rectangle.
QRect DrawGauge(QImage& box, const QImage& backdrop, int solved, int count);

// The three digits and the face of the level display.
void DrawLevelDisplay(QImage& levelBox, const QImage& digitStrip, int level, bool solved);
// The level display's hint.
QString LevelHint(int level, bool solved, int language);

} // namespace zt::render
