#include "palette.h"

#include "catalogue.h"
#include "tilekinds.h"

namespace zt::levels {

namespace {

bool IsDeadEnd(int t) {
    return ArmCount(t) == 1;
}

RoadIdea IdeaOf(int t) {
    bool small = false;
    for (int s = 0; s < 4; ++s)
        small = small || Edge(t, static_cast<Side>(s)) == Small;
    if (small)
        return RoadIdea::SmallRoads; // 46 and 47 cross a raised road, but wait for small roads
    if (FamilyOf(t) == RoadFamily::Raised)
        return RoadIdea::Raised;
    // Streets: plain pieces first, then everything with three or four arms and the
    // wide ends with their zebra crossings.
    if (ArmCount(t) >= 3 || (t >= 59 && t <= 62))
        return RoadIdea::Junctions;
    return RoadIdea::Streets;
}

} // namespace

std::array<double, TileCount> RoadWeights(RoadIdea idea, bool fresh) {
    std::array<double, TileCount> w{};
    for (int t = 1; t <= LastMovableTile; ++t) {
        const RoadIdea mine = IdeaOf(t);
        if (static_cast<int>(mine) > static_cast<int>(idea))
            continue;
        double weight;
        const int arms = ArmCount(t);
        if (IsDeadEnd(t))
            weight = 0.22;
        else if (IsStraight(t))
            weight = 0.55;
        else if (arms == 2)
            weight = 1.0; // curves and ramps make the shapes
        else if (arms == 3)
            weight = 0.55;
        else
            weight = 0.25;
        if (t == 58)
            weight = 0.35; // the roundabout is a treat, not a pattern
        // Interchangeable tiles share their shape's weight so no shape is doubled.
        int twins = 0;
        for (int u = 1; u <= LastMovableTile; ++u)
            twins += Canonical(u) == Canonical(t);
        weight /= twins;
        w[t] = weight;
    }
    // Each idea gets a share of the choices, whatever its number of tiles: the raised
    // road alone has twenty-odd pieces and would crowd out the rest.
    std::array<double, 4> total{};
    for (int t = 1; t <= LastMovableTile; ++t)
        total[static_cast<int>(IdeaOf(t))] += w[t];
    std::array<double, 4> share = {1.0, 0.6, 0.45, 0.8};
    if (fresh && idea != RoadIdea::Streets)
        share[static_cast<int>(idea)] *= 2.0;
    for (int t = 1; t <= LastMovableTile; ++t) {
        const int i = static_cast<int>(IdeaOf(t));
        if (total[i] > 0)
            w[t] *= share[i] / total[i] * 10.0;
    }
    return w;
}

} // namespace zt::levels
