// Any bytes as a level file: read by the game's rules, then checked, measured,
// looked at for scenery and dealt the way ztrn-levels does it.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "commands.h"
#include "difficulty.h"
#include "game.h"
#include "levelcheck.h"
#include "scenerycheck.h"
#include "scenerymaker.h"
#include "shape.h"

namespace {

const std::string& ScratchPath() {
    static const std::string path = "/tmp/fuzz-levelfile-" + std::to_string(getpid()) + ".dat";
    return path;
}

struct RemoveAtExit {
    ~RemoveAtExit() { std::remove(ScratchPath().c_str()); }
} removeAtExit;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream out(ScratchPath(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const zt::LevelFile file = zt::ReadLevelFile(ScratchPath());
    if (file.records.size() > static_cast<std::size_t>(zt::MaxLevels) ||
        file.records.size() != std::min<std::size_t>(size / zt::RecordSize, zt::MaxLevels))
        __builtin_trap();
    zt::levels::CheckLevels(file.records, size);
    for (const auto& record : file.records) {
        zt::levels::Measure(record);
        zt::levels::SceneryFaults(record);
        zt::levels::WaterAndRailRunOn(record);
        zt::levels::RoadPieces(record);
    }
    // Dealing is the costly part: the first few levels are enough to reach every
    // kind of record the input can hold.
    std::ostringstream sink;
    for (std::size_t n = 1; n <= std::min<std::size_t>(file.records.size(), 3); ++n)
        zt::levels::RunDeal({ScratchPath(), std::to_string(n), "--seed", std::to_string(size)},
                            sink, sink);
    return 0;
}
