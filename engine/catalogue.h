// The tile catalogue: the edge codes and marker anchors of the 200 tiles.
#pragma once

#include <array>
#include <cstdint>

namespace zt {

constexpr int TileCount = 200;
constexpr int LastMovableTile = 90;

// What crosses one side of a tile at its middle.
enum EdgeCode : std::uint8_t {
    NoRoad = 0,
    Street = 1,  // two lanes, dashed centre line
    Raised = 2,  // road on a stone embankment (also causeways, stone bridges)
    Small = 3,   // small road without centre line
};

// Sides in the order of the stored edge words (least significant byte first).
enum Side : int { Right = 0, Top = 1, Left = 2, Bottom = 3 };

constexpr Side Opposite(Side s) { return static_cast<Side>((s + 2) % 4); }

struct MarkerAnchor {
    int x;
    int y;
};

struct TileCatalogue {
    std::array<std::uint32_t, TileCount> edges;  // one word per tile, right side in the low byte
    std::array<std::int32_t, TileCount> anchorX;
    std::array<std::int32_t, TileCount> anchorY;
};

// The compiled-in table. Only indices 0..199 exist; callers check IsTile first
// for anything that came from outside.
const TileCatalogue& Catalogue();

constexpr bool IsTile(int t) { return t >= 0 && t < TileCount; }
constexpr bool IsMovable(int t) { return t <= LastMovableTile; }
constexpr bool IsMarkerEligible(int t) { return t >= 1 && t < LastMovableTile; }

inline std::uint32_t EdgeWord(int t) { return Catalogue().edges[t]; }
inline std::uint8_t Edge(int t, Side s) {
    return static_cast<std::uint8_t>((EdgeWord(t) >> (8 * s)) & 0xFF);
}
inline MarkerAnchor Anchor(int t) { return {Catalogue().anchorX[t], Catalogue().anchorY[t]}; }

}  // namespace zt
