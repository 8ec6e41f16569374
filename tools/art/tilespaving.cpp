// Roads as distance fields: every subsample knows how far it lies from each road's middle
// line, and the cross-section of its kind turns that distance into a colour. Where a road
// crosses a side it is straight and square to the side, so its pixels there are the same
// on every tile with that edge code.
#include "tiles.h"

#include <algorithm>
#include <cmath>

namespace tileart {

namespace {

using zt::Raised;
using zt::Small;
using zt::Street;

// Painting order within a layer: the bigger road wins where two kinds meet.
enum Group { SmallGroup, NarrowingGroup, StreetGroup, RampGroup, RaisedGroup, GroupCount };

Group GroupOf(const Road& r) {
    if (r.kindA == r.kindB)
        return r.kindA == Small ? SmallGroup : r.kindA == Street ? StreetGroup : RaisedGroup;
    const bool small = r.kindA == Small || r.kindB == Small;
    return small ? NarrowingGroup : RampGroup;
}

TrackPoint Where(const Road& r, double x, double y) {
    if (r.ring > 0) {
        const double dx = x - 24, dy = y - 24;
        return {std::sqrt(dx * dx + dy * dy) - r.ring, r.ring * (std::atan2(dy, dx) + 3.2), 1e9};
    }
    return Locate({r.a, r.b, r.stub}, x, y);
}

double HalfWidth(const Road& r) {
    return r.halfWidth > 0 ? r.halfWidth : RoadHalfWidth(r.kindA);
}

// Where a road's width is, in the distance-field sense: negative inside.
double Outline(const Road& r, const TrackPoint& p, double halfWidth) {
    double d = std::fabs(p.across) - halfWidth;
    if (r.ring > 0)
        return d;
    if (r.a == r.b)
        d = std::max(d, p.along - r.end);
    return d;
}

double SmoothMin(double a, double b, double k) {
    const double h = std::max(k - std::fabs(a - b), 0.0) / k;
    return std::min(a, b) - h * h * k / 4;
}

// 0 at the end of kind `from`, 1 at the other end, changing over the middle 20 pixels.
double Change(const Road& r, const TrackPoint& p, int from) {
    const double s = r.kindA == from ? p.along : p.length - p.along;
    const double t = std::clamp((s - (p.length / 2 - 10)) / 20, 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

QRgb RaisedSide(double inset) {
    // Parapet, sunlit slope, shaded slope, foot, from the road outwards.
    if (inset < 1)
        return colour::Parapet;
    if (inset < 2)
        return qRgb(164, 150, 122);
    if (inset < 3)
        return qRgb(134, 122, 98);
    return qRgb(98, 90, 74);
}

bool DashAt(const Road& r, const TrackPoint& p) {
    if (std::fabs(p.across) >= 1 || p.along < r.dashFrom || p.along > r.dashTo)
        return false;
    if (p.along >= r.quietFrom && p.along < r.quietTo)
        return false;
    const double e = r.a == r.b ? p.along : std::min(p.along, p.length - p.along);
    const double m = std::fmod(e, 12.0);
    return m >= 3 && m < 9;
}

bool ZebraAt(const Road& r, const TrackPoint& p) {
    if (p.along < r.zebraFrom || p.along >= r.zebraTo)
        return false;
    const double a = std::fabs(p.across);
    return a < 7 && std::fmod(a + 1, 4.0) >= 2;
}

bool JointAt(const Road& r, const TrackPoint& p) {
    if (r.a == r.b)
        return false; // arms meet in a crossing, whose middle is one slab
    const double e = std::min(p.along, p.length - p.along);
    const double m = std::fmod(e, 12.0);
    return m >= 5.5 && m < 6.5;
}

// No tile has more than five roads; the fixed size keeps the per-subsample work off the
// heap.
constexpr int kMaxRoads = 16;

struct Sample {
    double inset[GroupCount]; // depth inside each group's paved area (<= 0: outside)
    int owner[GroupCount];    // the road of the group whose middle line is nearest
    TrackPoint at[kMaxRoads];
};

} // namespace

double RoadHalfWidth(int kind) {
    return kind == Street ? 10 : kind == Raised ? 14 : 6;
}

void PaintRoads(TileCanvas& canvas, const std::vector<Road>& roads) {
    const int count = std::min<int>(static_cast<int>(roads.size()), kMaxRoads);
    for (int layer = 0; layer <= 1; ++layer) {
        bool any = false;
        for (int i = 0; i < count; ++i)
            any = any || roads[i].layer == layer;
        if (!any)
            continue;
        auto measure = [&](double x, double y, Sample& s) {
            double field[GroupCount];
            std::fill(field, field + GroupCount, 1e9);
            std::fill(s.owner, s.owner + GroupCount, -1);
            double best[GroupCount];
            std::fill(best, best + GroupCount, 1e9);
            for (int i = 0; i < count; ++i) {
                const Road& r = roads[i];
                if (r.layer != layer)
                    continue;
                const Group g = GroupOf(r);
                s.at[i] = Where(r, x, y);
                double hw = HalfWidth(r);
                if (g == NarrowingGroup)
                    hw = 10 - 4 * Change(r, s.at[i], Street);
                else if (g == RampGroup)
                    hw = 10 + 4 * Change(r, s.at[i], Street);
                const double d = Outline(r, s.at[i], hw);
                field[g] = (g == NarrowingGroup || g == RampGroup)
                               ? std::min(field[g], d)
                               : SmoothMin(field[g], d, g == SmallGroup ? 2.0 : 3.0);
                if (d < best[g]) {
                    best[g] = d;
                    s.owner[g] = i;
                }
            }
            for (int g = 0; g < GroupCount; ++g)
                s.inset[g] = -field[g];
        };
        // A bridge's shadow falls on the roads below it, a little down and to the right.
        if (layer == 1) {
            canvas.shade([&](double x, double y, QRgb& c) {
                Sample below{};
                double lower = -1;
                for (int i = 0; i < count; ++i) {
                    if (roads[i].layer != 0)
                        continue;
                    const TrackPoint p = Where(roads[i], x, y);
                    lower = std::max(lower, -Outline(roads[i], p, HalfWidth(roads[i])));
                }
                if (lower <= 0)
                    return;
                measure(x - 2.5, y - 2.5, below);
                for (int g = 0; g < GroupCount; ++g)
                    if (below.inset[g] > 0) {
                        c = Scale(c, 0.62);
                        return;
                    }
            });
        }
        canvas.shade([&](double x, double y, QRgb& c) {
            Sample s;
            measure(x, y, s);
            int top = -1;
            // Edges first, then surfaces, so one road's curb never cuts across another's
            // paving where they join.
            for (int pass = 0; pass < 2; ++pass) {
                for (int g = 0; g < GroupCount; ++g) {
                    const double in = s.inset[g];
                    if (in <= 0)
                        continue;
                    const Road& r = roads[s.owner[g]];
                    const TrackPoint& p = s.at[s.owner[g]];
                    const double a = std::fabs(p.across);
                    if (g == RaisedGroup && a >= 11 && p.along >= r.spanFrom && p.along < r.spanTo)
                        continue;
                    switch (g) {
                    case SmallGroup:
                        if (pass == 0 && in < 1)
                            c = colour::SmallEdge;
                        else if (in >= 1)
                            c = colour::SmallRoad, top = g;
                        break;
                    case StreetGroup:
                        if (pass == 0 && in < 1)
                            c = colour::Curb;
                        else if (in >= 1)
                            c = colour::Asphalt, top = g;
                        break;
                    case RaisedGroup:
                        if (pass == 0 && in < 4)
                            c = RaisedSide(in > 0 ? 4 - in : 0);
                        else if (in >= 4)
                            c = colour::Stone, top = g;
                        break;
                    case NarrowingGroup: {
                        const double u = Change(r, p, Street);
                        if (pass == 0 && in < 1)
                            c = Mix(colour::Curb, colour::SmallEdge, u);
                        else if (in >= 1)
                            c = Mix(colour::Asphalt, colour::SmallRoad, u), top = g;
                        break;
                    }
                    case RampGroup: {
                        // The paving turns from asphalt to stone half way up; the
                        // embankment beside it grows from nothing to full height.
                        const double u = Change(r, p, Street);
                        if (u < 0.5) {
                            if (pass == 0 && a >= 10)
                                c = RaisedSide(std::min(3.0, 1 + (a - 10)));
                            else if (pass == 0 && a >= 9)
                                c = colour::Curb;
                            else if (a < 9)
                                c = colour::Asphalt, top = g;
                        } else {
                            if (pass == 0 && a >= 10)
                                c = RaisedSide(a - 10);
                            else if (a < 10)
                                c = Scale(colour::Stone, 0.8 + 0.2 * (u - 0.5) * 2), top = g;
                        }
                        if (a < 10 && std::fabs(u - 0.5) < 0.045)
                            c = qRgb(96, 92, 84);
                        break;
                    }
                    }
                }
            }
            if (top < 0)
                return;
            const Road& r = roads[s.owner[top]];
            const TrackPoint& p = s.at[s.owner[top]];
            if (top == StreetGroup) {
                if (DashAt(r, p) || ZebraAt(r, p))
                    c = colour::Dash;
            } else if (top == RaisedGroup) {
                if (std::fabs(p.across) < 10 && JointAt(r, p))
                    c = Scale(colour::Stone, 0.9);
            } else if (top == NarrowingGroup || top == RampGroup) {
                if (Change(r, p, Street) < 0.2 && DashAt(r, p))
                    c = colour::Dash;
            }
        });
    }
}

} // namespace tileart
