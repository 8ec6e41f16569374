// The level generator: a whole library of levels from one seed, laid out along
// the difficulty curve, one new idea at a time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game.h"

namespace zt::levels {

// The parts of the library, in the order a player meets them.
enum class Stage : int {
    Streets,    // a few street pieces on open grass
    Junctions,  // crossings, junctions, the roundabout, wide street ends
    Raised,     // raised roads and ramps
    SmallRoads, // small roads and mixed junctions
    Water,      // rivers and lakes with bridges and causeways
    Railway,    // railway lines with level crossings
    Buildings,  // houses with driveways, office blocks, parks
    Mixed,      // all of it together
    Full,       // the board mostly filled with mixed roads
};
constexpr int StageCount = 9;
const char* StageName(Stage s);

struct LevelPlan {
    Stage stage;
    bool fresh;       // among the first levels of its stage: shows the new idea off
    int targetFigure; // where the difficulty curve stands here
    int tolerance;    // how far the figure may stray from it
};

// Where level `index` (0-based) of a library of `count` levels stands.
LevelPlan PlanFor(int index, int count);

// `count` levels (1..500), the same for the same seed and count. Throws
// std::runtime_error when some level finds no layout that keeps every rule.
std::vector<LevelRecord> GenerateLibrary(std::uint64_t seed, int count);

// Writes the records as a level file; false when the file cannot be written.
bool WriteLevelFile(const std::string& path, const std::vector<LevelRecord>& records);

} // namespace zt::levels
