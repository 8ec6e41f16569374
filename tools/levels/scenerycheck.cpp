#include "scenerycheck.h"

#include "catalogue.h"
#include "scenery.h"

namespace zt::levels {

namespace {

std::string Describe(int c, int r, int t) {
    return "tile " + std::to_string(t) + " (" + SceneryOf(t).name + ") at column " +
           std::to_string(c) + ", row " + std::to_string(r);
}

const char* SideName(int s) {
    static const char* names[4] = {"right", "top", "left", "bottom"};
    return names[s];
}

} // namespace

std::vector<std::string> SceneryFaults(const Board& board) {
    std::vector<std::string> faults;
    for (int c = 0; c < Columns; ++c) {
        for (int r = 0; r < Rows; ++r) {
            const int t = board[CellIndex(c, r)];
            if (!IsTile(t)) {
                faults.push_back("tile " + std::to_string(t) + " at column " + std::to_string(c) +
                                 ", row " + std::to_string(r) + " does not exist");
                continue;
            }
            // Right and bottom neighbours only, so each inner side is named once.
            if (c + 1 < Columns) {
                const int u = board[CellIndex(c + 1, r)];
                if (IsTile(u) && !FitsBeside(t, Right, u))
                    faults.push_back(Describe(c, r, t) + " does not run on into " +
                                     Describe(c + 1, r, u) + " on its right");
            }
            if (r + 1 < Rows) {
                const int u = board[CellIndex(c, r + 1)];
                if (IsTile(u) && !FitsBeside(t, Bottom, u))
                    faults.push_back(Describe(c, r, t) + " does not run on into " +
                                     Describe(c, r + 1, u) + " below it");
            }
            const bool onBorder[4] = {c == Columns - 1, r == 0, c == 0, r == Rows - 1};
            for (int s = 0; s < 4; ++s)
                if (onBorder[s] && !MayFaceBorder(t, static_cast<Side>(s)))
                    faults.push_back(Describe(c, r, t) + " may not face the " + SideName(s) +
                                     " border");
        }
    }
    return faults;
}

} // namespace zt::levels
