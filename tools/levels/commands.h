// The commands of ztrn-levels. Each takes the words after the command name,
// writes to the given streams and returns the exit code.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "game.h"

namespace zt::levels {

using Args = std::vector<std::string>;

int RunCheck(const Args& args, std::ostream& out, std::ostream& err);
// Scenery that does not run on as the scenery table says, level by level.
int RunScenery(const Args& args, std::ostream& out, std::ostream& err);
int RunDeal(const Args& args, std::ostream& out, std::ostream& err);
// The deal, then each cell in the words a screen reader reads for it.
int RunDescribe(const Args& args, std::ostream& out, std::ostream& err);
// The deal, then the swaps the game's hints lead through to a fitting board.
int RunHints(const Args& args, std::ostream& out, std::ostream& err);
int RunGenerate(const Args& args, std::ostream& out, std::ostream& err);
int RunStats(const Args& args, std::ostream& out, std::ostream& err);
int RunRender(const Args& args, std::ostream& out, std::ostream& err);
int RunCurve(const Args& args, std::ostream& out, std::ostream& err);
int RunSheet(const Args& args, std::ostream& out, std::ostream& err);

// Reads a level file by the game's rules; tells `err` and returns false when the
// file cannot be read at all.
bool ReadLevels(const std::string& path, LevelFile& file, std::ostream& err);

// Strict decimal numbers: digits only, nothing after them, within range.
bool ParseUnsigned(const std::string& text, unsigned long long max, unsigned long long& value);

} // namespace zt::levels
