// The faults a level record can have, as `ztrn-levels check` lists them.
#pragma once

#include <string>
#include <vector>

#include "game.h"

namespace zt::levels {

// Every fault of one record, one line each, without the level number; empty
// when the level is fine.
std::vector<std::string> RecordFaults(const LevelRecord& record);

struct CheckReport {
    int levels = 0;
    int faulty = 0;
    std::vector<std::string> lines; // "level N: ..." and the closing "N levels, K faulty"
};
CheckReport CheckLevels(const std::vector<LevelRecord>& records);

} // namespace zt::levels
