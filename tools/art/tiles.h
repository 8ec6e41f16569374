// The tile sheet: the 200 tile pictures the board is drawn from, and a contact
// sheet that shows them enlarged for a reviewer.
//
// The pictures follow the engine's tile catalogue (edge codes) and scenery table
// (engine/scenery.h), so whatever links these functions also links ztrn_engine.
#pragma once

#include <QImage>

// The whole tile sheet, 960 x 480 in Format_RGB32: tile t at (48 * (t % 20), 48 * (t / 20)).
// Deterministic: every call gives the same pixels, so the asset only changes when the
// drawing code does.
QImage DrawTileSheet();

// The 200 tiles of `sheet` enlarged, each labelled with its index and its four edge codes
// (right, top, left, bottom). Meant for docs/tiles.png.
QImage DrawTileContactSheet(const QImage& sheet);
