// Small pictures of whole levels for the level browser, drawn from the
// board's tile pictures at the screen's own pixels. A level not yet solved
// shows as a player meets it: its fixed tiles in place and the others
// shuffled, so the picture tells it from its neighbours and gives nothing away.
#pragma once

#include <QCache>
#include <iterator>
#include <QImage>
#include <QSize>

#include "game.h"
#include "render.h"

namespace zt {

// Level n's record shuffled as a deal shuffles it, the fixed tiles in place:
// the same arrangement every time for the same level, and never one that
// fits while another could be had. Its numbers come from a generator of its
// own, seeded by the level, so that the game's deals stay as they are.
LevelRecord AsDealt(int level, const LevelRecord& record);

class LevelPictures {
public:
    // The side of a cell in a picture at 100 %, in logical pixels, for each
    // size the browser offers: the smallest opens, larger ones follow a
    // larger window.
    static constexpr int Sides[] = {10, 14, 20};
    static constexpr int SizeCount = int(std::size(Sides));
    static int Side(int size, qreal scale) { return qRound(Sides[size] * scale); }

    // The board's tile pictures, at whatever ratio they were made for.
    void SetTiles(const render::Pictures& pictures);
    // The device pixels per logical pixel of the pictures to come.
    void SetRatio(qreal ratio);
    // The side of a cell in the pictures to come, in logical pixels.
    void SetSide(int side);
    int CellSide() const { return cellSide_; }
    QSize Size() const { return {Columns * cellSide_, Rows * cellSide_}; }

    // The picture of level n (its record as the level file holds it): whole,
    // or as dealt. A null image while there are no tiles.
    QImage Picture(int level, const LevelRecord& record, bool whole);

private:
    void MakeSmallTiles();
    void Forget();

    render::Pictures source_;
    qreal ratio_ = 1;
    int cellSide_ = Sides[0];
    int side_ = 0;     // of a small tile, in device pixels
    QImage small_;     // the 200 tiles side by side at side_, made at the first picture
    // Only the pictures in sight and a few pages around them are kept: the
    // whole library at scale 2 would take 50 MB. Costs in kB.
    QCache<int, QImage> cache_{3 * 1024};
};

} // namespace zt
