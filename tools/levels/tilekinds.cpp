#include "tilekinds.h"

#include "catalogue.h"

namespace zt::levels {

RoadFamily FamilyOf(int t) {
    if (!IsTile(t))
        return RoadFamily::Invalid;
    if (t == 0)
        return RoadFamily::Grass;
    if (!IsMovable(t))
        return RoadFamily::Fixed;
    bool street = false, raised = false, small = false;
    for (int s = 0; s < 4; ++s) {
        switch (Edge(t, static_cast<Side>(s))) {
        case Street:
            street = true;
            break;
        case Raised:
            raised = true;
            break;
        case Small:
            small = true;
            break;
        default:
            break;
        }
    }
    if (raised)
        return RoadFamily::Raised;
    if (street && small)
        return RoadFamily::Mixed;
    return small ? RoadFamily::Small : RoadFamily::Street;
}

const char* FamilyName(RoadFamily f) {
    switch (f) {
    case RoadFamily::Grass:
        return "grass";
    case RoadFamily::Street:
        return "street";
    case RoadFamily::Raised:
        return "raised";
    case RoadFamily::Small:
        return "small";
    case RoadFamily::Mixed:
        return "mixed";
    case RoadFamily::Fixed:
        return "fixed";
    case RoadFamily::Invalid:
        return "invalid";
    }
    return "?";
}

int Canonical(int t) {
    if (!IsTile(t) || !IsMovable(t))
        return t;
    for (int u = 0; u < t; ++u)
        if (EdgeWord(u) == EdgeWord(t))
            return u;
    return t;
}

LevelRecord CanonicalRecord(const LevelRecord& record) {
    LevelRecord out = record;
    for (auto& cell : out)
        cell = static_cast<std::uint8_t>(Canonical(cell));
    return out;
}

bool IsStraight(int t) {
    if (!IsTile(t))
        return false;
    const int r = Edge(t, Right), u = Edge(t, Top), l = Edge(t, Left), b = Edge(t, Bottom);
    return (r && l && r == l && !u && !b) || (u && b && u == b && !r && !l);
}

int ArmCount(int t) {
    if (!IsTile(t))
        return 0;
    int n = 0;
    for (int s = 0; s < 4; ++s)
        n += Edge(t, static_cast<Side>(s)) != NoRoad;
    return n;
}

} // namespace zt::levels
