// The small pictures of the tool bar, the board's rim, the message dialog and
// the language dialog.
// Each is a palette BMP whose bottom-left pixel holds its transparent colour;
// two-image glyphs carry the normal and the disabled look side by side.
#pragma once

#include "assetset.h"

#include <vector>

namespace art {

// Tool-bar glyphs, dialog glyphs, the two flag glyphs and the glyphs of the
// board's rim, in a fixed order. At zoom 2 or 3 the same glyphs with twice or
// three times the pixels, named "<name>@2x" or "<name>@3x".
std::vector<Picture> DrawGlyphs(int zoom = 1);

// The single pictures behind them, drawn on kVoid, one image each.
QImage DrawBomb();
QImage DrawUTurn();
QImage DrawDiskette(bool saving);
QImage DrawLoudspeaker();
QImage DrawDoor();
QImage DrawTriangle(bool right);
QImage DrawLips();
QImage DrawParagraphBall();
QImage DrawInfoBall();
QImage DrawMakerLogo();
QImage DrawSmile();
QImage DrawCross();
QImage DrawCancel();
QImage DrawEnglishFlags();
QImage DrawGermanFlags();
QImage DrawUndoArrow();
QImage DrawRedoArrow();
QImage DrawBulb();
QImage DrawLevelGrid();
QImage DrawZoomOut();
QImage DrawZoomIn();

// The disabled look of a glyph: the same shape, greyed and sunk, on kVoid.
QImage DisabledLook(const QImage& normal);

// A stored glyph from its normal image: with `twoImages` the disabled look is
// put to its right. Transparent colour `key`; 4 or 8 bits per pixel.
Picture MakeGlyph(const QString& name, const QImage& normal, bool twoImages, int bits,
                  QRgb key = qRgb(255, 0, 255));

} // namespace art
