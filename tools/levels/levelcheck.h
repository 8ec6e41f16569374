// The faults a level record can have, as `ztrn-levels check` lists them.
#pragma once

#include <cstdint>
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
    int fileFaults = 0; // no level at all, bytes the game passes over
    // "level N: ...", "file: ..." and the closing "N levels, K faulty"
    std::vector<std::string> lines;
    bool Clean() const { return faulty == 0 && fileFaults == 0; }
};
// The records as read from a file of fileSize bytes.
CheckReport CheckLevels(const std::vector<LevelRecord>& records, std::uintmax_t fileSize);

} // namespace zt::levels
