#include "difficulty.h"

#include <bitset>
#include <sstream>

#include "catalogue.h"
#include "difficultyfigure.h"

namespace zt::levels {

LevelStats Measure(const LevelRecord& record) {
    LevelStats s;
    std::bitset<TileCount> seen;
    for (const int t : record) {
        const RoadFamily f = FamilyOf(t);
        ++s.byFamily[static_cast<int>(f)];
        if (f == RoadFamily::Invalid)
            continue;
        if (t == 0) {
            ++s.grass;
        } else if (IsMovable(t)) {
            ++s.roads;
            seen.set(Canonical(t));
        } else {
            ++s.fixedTiles;
            if (EdgeWord(t) != 0)
                ++s.fixedWithRoad;
        }
    }
    s.kinds = static_cast<int>(seen.count());
    // The game shows the same figure: one computation for both.
    s.figure = DifficultyFigure(record);
    return s;
}

std::string StatsLine(const LevelStats& s) {
    std::ostringstream out;
    auto fam = [&](RoadFamily f) { return s.byFamily[static_cast<int>(f)]; };
    out << "figure " << s.figure << "  roads " << s.roads << " (street " << fam(RoadFamily::Street)
        << ", raised " << fam(RoadFamily::Raised) << ", small " << fam(RoadFamily::Small)
        << ", mixed " << fam(RoadFamily::Mixed) << ")  kinds " << s.kinds << "  grass " << s.grass
        << "  fixed " << s.fixedTiles << " (" << s.fixedWithRoad << " with road)";
    if (fam(RoadFamily::Invalid))
        out << "  invalid " << fam(RoadFamily::Invalid);
    return out.str();
}

} // namespace zt::levels
