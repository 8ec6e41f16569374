// What a player sees in one cell of the board, as facts, and those facts put
// in words: the names a screen reader reads for the cells and the lines the
// level tool prints come from here, so both say the same.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "catalogue.h"
#include "game.h"

namespace zt {

// The kind of tile, as the game's rules name it and as it looks from above.
enum class TileKind : std::uint8_t {
    Street,
    Raised,     // a raised road, ramps onto one included
    Small,      // a small road
    Garage,     // a street's dead end into a garage bay
    Crossing,   // two roads straight across each other, over or on the level
    Roundabout,
    Junction,   // three or four arms that are not two roads across
    Bridge,     // a road over water or a railway: never moves
    Causeway,   // a raised road on a dam across a lake
    LevelCrossing,
    Water,
    Railway,    // railway bridges too
    Building,
    Grass, // open ground, parks and gardens too
};

struct SideFacts {
    EdgeCode road = NoRoad;
    bool meets = false; // the neighbour's side carries the same road (never at the border)
};

struct CellFacts {
    TileKind kind = TileKind::Grass;
    std::array<SideFacts, 4> sides{}; // by Side: right, top, left, bottom
    bool movable = false;
    bool marked = false;
};

TileKind KindOf(int tile);

// The facts of cell `cell` of `board`; `marked` is the cell of the marked tile.
CellFacts FactsOf(const Board& board, Cell cell, std::optional<Cell> marked);

// The English words, each one the source text of a translation in the
// context CellWordsContext. `word` turns one into the reader's language.
inline constexpr const char* CellWordsContext = "CellWords";
using WordLookup = std::function<std::string(const char* english)>;
const char* KindWord(TileKind kind);
const char* RoadWord(EdgeCode road);

// One short line, always in the same order: the kind; each side with a road,
// clockwise from the top, with its road and whether the neighbour's meets it;
// movable or fixed; marked.
std::string DescribeCell(const CellFacts& facts, const WordLookup& word);

} // namespace zt
