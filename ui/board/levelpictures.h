// Small pictures of whole levels for the level browser, drawn from the
// board's tile pictures at the screen's own pixels. A level not yet solved
// shows only its fixed tiles on plain ground: the picture gives nothing away.
#pragma once

#include <QCache>
#include <QImage>
#include <QSize>

#include "game.h"
#include "render.h"

namespace zt {

class LevelPictures {
public:
    // The side of a cell in a picture, in logical pixels.
    static constexpr int CellSide = 10;
    static constexpr QSize Size() { return {Columns * CellSide, Rows * CellSide}; }

    // The board's tile pictures, at whatever ratio they were made for.
    void SetTiles(const render::Pictures& pictures);
    // The device pixels per logical pixel of the pictures to come.
    void SetRatio(qreal ratio);

    // The picture of level n (its record as the level file holds it): whole,
    // or only its fixed tiles. A null image while there are no tiles.
    QImage Picture(int level, const LevelRecord& record, bool whole);

private:
    void MakeSmallTiles();

    render::Pictures source_;
    qreal ratio_ = 1;
    int side_ = 0;     // of a small tile, in device pixels
    QImage small_;     // the 200 tiles side by side at side_, made at the first picture
    // Only the pictures in sight and a few pages around them are kept: the
    // whole library at scale 2 would take 50 MB. Costs in kB.
    QCache<int, QImage> cache_{3 * 1024};
};

} // namespace zt
