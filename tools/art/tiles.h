// The tile sheet: the 200 tile pictures the board is drawn from, and a contact
// sheet that shows them enlarged for a reviewer.
//
// The pictures follow the engine's tile catalogue (edge codes) and scenery table
// (engine/scenery.h), so whatever links these functions also links ztrn_engine.
#pragma once

#include <QImage>
#include <QPainter>

#include <functional>
#include <vector>

#include "catalogue.h"

// The whole tile sheet, 960 x 480 in Format_RGB32: tile t at (48 * (t % 20), 48 * (t / 20)).
// Deterministic: every call gives the same pixels, so the asset only changes when the
// drawing code does. With zoom 2 the same tiles are drawn with twice the pixels (96 x 96
// each, 1920 x 960 in all) for high-density screens.
QImage DrawTileSheet(int zoom = 1);

// The 200 tiles of `sheet` (of either zoom) enlarged, each labelled with its index and
// its four edge codes (right, top, left, bottom). Meant for docs/tiles.png.
QImage DrawTileContactSheet(const QImage& sheet);

// Pieces shared by the tile drawing files (tiles*.cpp); nothing outside them uses these.
namespace tileart {

constexpr int kTileSize = 48;
constexpr int kSub = 4;                   // subsamples per pixel and axis
constexpr int kHiSize = kTileSize * kSub; // side of the supersampled canvas

// Pixels per tile unit of the sheet being drawn (art::CurrentZoom()): 1, or 2 while
// DrawTileSheet(2) runs.
// Textures grained per pixel (grass blades, ballast, gravel) take their grain from it,
// so at zoom 2 the grain is as fine as the screen rather than a doubled 1x grain.
int Zoom();
// The index of the output pixel that tile coordinate v falls into.
int PixelOf(double v);

// One tile drawn at four times its output size, then boxed down to 48 x 48 (96 x 96 at
// zoom 2) by integer averaging. Everything is aliased and opaque, so the result does not
// depend on Qt's blending code.
class TileCanvas {
public:
    TileCanvas();
    // Calls f(x, y, colour) for every subsample; x and y are in tile pixels (0..48) at
    // the subsample's centre, colour may be changed in place.
    template <class F> void shade(F&& f) {
        const int side = hi_.width();
        for (int sy = 0; sy < side; ++sy) {
            QRgb* line = reinterpret_cast<QRgb*>(hi_.scanLine(sy));
            const double y = (sy + 0.5) / sub_;
            for (int sx = 0; sx < side; ++sx)
                f((sx + 0.5) / sub_, y, line[sx]);
        }
    }
    QImage& hi() { return hi_; }
    QImage shrink() const;

    // Draws aliased, opaque shapes in tile pixels (0..48) on the supersampled canvas.
    void paint(const std::function<void(QPainter&)>& draw);
    // Scales the colour of every subsample that `draw` covers by `factor` (shadows,
    // sunlit sides), without any blending inside Qt.
    void tint(const std::function<void(QPainter&)>& draw, double factor);

private:
    int sub_; // subsamples per tile pixel
    QImage hi_;
};

// Deterministic noise: a hash of integer coordinates in 0..1, and smooth value noise that
// repeats every 48 pixels, so textures run on seamlessly from cell to cell.
double Hash01(int x, int y, unsigned salt);
double TiledNoise(double x, double y, int cells, unsigned salt);

QRgb Mix(QRgb a, QRgb b, double t);
QRgb Scale(QRgb c, double factor);

// The ground every picture starts from.
QRgb GrassAt(double x, double y);
void PaintGrass(TileCanvas& canvas);

// Water by a signed distance into it (negative on land): sand where it is just below
// zero, shallows, then deep water with a wave pattern that repeats every 48 pixels.
QRgb WaterAt(double x, double y, double depth);
void PaintWater(TileCanvas& canvas, const std::function<double(double, double)>& depth);

// A line through a cell: from the middle of side a to the middle of side b, or an arm
// from side a to the middle of the cell when a == b.
struct Track {
    zt::Side a;
    zt::Side b;
    double stub = 3; // bends: straight run at each end before the quarter circle
};
struct TrackPoint {
    double across; // signed distance from the line
    double along;  // distance from side a along the line
    double length; // whole length of the line
};
TrackPoint Locate(const Track& track, double x, double y);

// A railway line; rails, sleepers and ballast are the same on every tile where they
// cross a side.
void PaintRailway(TileCanvas& canvas, const Track& track);

// One road of a tile. Roads of equal kind on one layer merge into one paved area with
// rounded corners; a road of layer 1 is carried over those of layer 0 and casts a shadow.
struct Road {
    zt::Side a;
    zt::Side b; // a == b: an arm from side a that ends at depth `end`
    int kindA;  // edge code at side a
    int kindB;  // edge code at side b; different from kindA on ramps and bends that
                // change the kind of road
    int layer = 0;
    double end = 24;     // depth of an arm's end
    double dashFrom = 0; // along range of a street's dashed centre line
    double dashTo = 1e9;
    double zebraFrom = 0; // along range of a zebra crossing on a street
    double zebraTo = 0;
    double spanFrom = 0;  // along range of a bridge: a raised road keeps only its deck and
    double spanTo = 0;    // parapets there, the ground below shows beside it
    double quietFrom = 0; // along range without a centre line (a level crossing)
    double quietTo = 0;
    double stub = 3;      // bends: straight run at each end (longer makes a tighter bend)
    double ring = 0;      // > 0: a ring road of this radius round the middle (a, b unused)
    double halfWidth = 0; // > 0: narrower than the kind's own width (rings only: at a side
                          // every road must keep its kind's cross-section)
};
void PaintRoads(TileCanvas& canvas, const std::vector<Road>& roads);

// Half widths of the three road kinds at a tile's side, and their surface colours.
double RoadHalfWidth(int kind);

// Turns the painter so that x runs across side s (0 at its middle, positive to the right
// when looking into the tile) and y runs from side s into the tile.
void FaceSide(QPainter& p, zt::Side s);

// Small things seen from above, in tile pixels.
void DrawCar(QPainter& p, QPointF centre, double degrees, QRgb body);
void DrawTree(TileCanvas& canvas, QPointF centre, double radius, unsigned seed);
void DrawBush(QPainter& p, QPointF centre, double radius, QRgb leaves);
void DrawGiveWay(QPainter& p, zt::Side s, double along, double halfWidth = 6);
void DrawPrioritySign(QPainter& p, QPointF centre);

// Roofs seen from above, lit from the upper left, with their shadow to the lower right.
enum class RoofKind { Gable, Hip, Flat, Sawtooth };
void DrawRoof(TileCanvas& canvas, QRectF r, RoofKind kind, QRgb colour, bool ridgeAlongX);

// The two halves of the sheet: movable road tiles 0..90 and fixed scenery 91..199.
void DrawRoadTile(TileCanvas& canvas, int t);
void DrawSceneryTile(TileCanvas& canvas, int t);

// Named colours the decorations share with the ground layers.
namespace colour {
constexpr QRgb Asphalt = 0xff808082;
constexpr QRgb Curb = 0xffb2b2ac;
constexpr QRgb Dash = 0xfff0f0ec;
constexpr QRgb Stone = 0xffcec6b2;
constexpr QRgb Parapet = 0xfff0ecde;
constexpr QRgb SmallRoad = 0xff5c544c;
constexpr QRgb SmallEdge = 0xff423c36;
constexpr QRgb Sand = 0xffd6c692;
constexpr QRgb Deep = 0xff2e64a4;
} // namespace colour

} // namespace tileart
