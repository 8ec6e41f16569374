// The block transfers that make up every picture of the board and the level
// display. Each works on the window's own backing images, so the tests can
// look at exactly the pixels the player sees.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>

#include "game.h"

namespace zt::render {

constexpr int BoxWidth = 520;
constexpr int BoxHeight = 376;
constexpr int LevelBoxWidth = 57;
constexpr int LevelBoxHeight = 20;
constexpr int MarkerSize = 20;
constexpr int MarkerFrames = 8;

// The board inside the board area: where cell (0, 0) starts and the side of a
// cell (and of a tile in the tile sheet), in logical pixels.
constexpr int BoardLeft = 22;
constexpr int BoardTop = 20;
constexpr int CellSize = 48;

// The gauge strip: where it is drawn and where its empty look comes from.
constexpr int GaugeLeft = 469;
constexpr int GaugeTop = 32;
constexpr int GaugeWidth = 31;
constexpr int GaugeHeight = 315;
constexpr int EmptyGaugeLeft = 415;

// Source rectangles in the three pictures as decoded at 1x.
QRect TileRect(int tile);
QRect MarkerSpriteRect(int frame);
QRect MarkerMaskRect(int frame);
QRect DigitRect(int digit); // 0..9; 10 is the unlit digit cell
QRect FaceRect(bool solved);

// Top-left corner of cell (c, r) in the board area.
QPoint CellOrigin(int c, int r);
// The cell under a point of the board area; none on the frame around the board.
std::optional<Cell> CellAt(QPoint point);

// The pictures at one device pixel ratio, and where each piece lies in them.
// Everything is in device pixels: the backing images of a window on a screen
// of ratio r have r times the pixels of the window's logical size, and the
// pieces are copied into them at their own size, never stretched.
struct Pictures {
    qreal ratio = 0; // 0: nothing to draw with yet
    QImage tileSheet;
    QImage backdrop;
    QImage sprites; // the marker's eight frames side by side, from spriteAt on
    QImage masks;   // and their masks, from maskAt on
    QImage gauge;   // the empty strip at emptyGauge and the full one at fullGauge
    QImage digitStrip;
    int cell = CellSize; // side of a tile
    int marker = 20; // side of a marker frame
    QPoint spriteAt, maskAt;
    QRect emptyGauge, fullGauge;
    QRect glyphs[13]; // digits 0..9, the unlit cell, the solved face, the unsolved face

    bool IsNull() const { return tileSheet.isNull(); }
    QRect Tile(int tile) const;
};

// The decoded pictures as they are: the 1x pictures at zoom 1, the 2x
// pictures at zoom 2. Shares their pixels.
Pictures ExactPictures(const QImage& tileSheet, const QImage& backdrop, const QImage& digitStrip,
                       int zoom);
// The pictures for any other ratio, made from `source` (best the 2x ones) by
// smooth scaling, each tile, marker frame, strip and glyph on its own so that
// nothing bleeds in from its neighbours in the sheet. The masks are made anew
// from the scaled sprites, so AND and OR still leave no fringe.
Pictures ScaledPictures(const Pictures& source, qreal ratio);

// Logical lengths and rectangles of the window at a ratio.
int Device(int logical, qreal ratio);
QRect Device(const QRect& logical, qreal ratio);
// Top-left corner of cell (c, r) in the board area's backing image: the cells
// lie edge to edge at every ratio.
QPoint CellOrigin(int c, int r, const Pictures& pictures);
// Where digit i (0..2) and the face of the level display go.
QRect LevelDigitRect(int i, const Pictures& pictures);
QRect LevelFaceRect(const Pictures& pictures);

// Copies from into dst at `at` with the given raster operation; returns the
// rectangle of dst that changed.
QRect Blit(QImage& dst, QPoint at, const QImage& src, const QRect& from,
           QPainter::CompositionMode mode = QPainter::CompositionMode_Source);

// The selected cell as it goes onto the board in one piece: the tile, and
// unless the level is solved the marker of the frame put on it by AND (mask)
// and OR (sprite) at the tile's anchor (in logical pixels).
void ComposeSelectedCell(QImage& cell, const Pictures& pictures, int tile, QPoint anchor,
                         int frame, bool solved);

// The keyboard's frame on the cell whose top-left corner is `at`: a square
// of white and black dashes two pixels wide, two pixels inside the cell's
// edge (logical pixels), so it shows on every tile and stays clear of the
// marker.
constexpr int FocusFrameInset = 2;
constexpr int FocusFrameWidth = 2;
constexpr int FocusFrameDash = 4;
void DrawFocusFrame(QImage& dst, QPoint at, const Pictures& pictures);

// Rows of the gauge that show the full strip for n of count levels solved.
int GaugeFilledRows(int solved, int count);
// Draws the gauge into the board area; returns the changed rectangle.
QRect DrawGauge(QImage& box, const Pictures& pictures, int solved, int count);

// The three digits and the face of the level display.
void DrawLevelDisplay(QImage& levelBox, const Pictures& pictures, int level, bool solved);
// The level display's hint.
QString LevelHint(int level, bool solved);

} // namespace zt::render
