// The level file: whole 63-byte records one after the other, at most 500.
#include <sys/stat.h>

#include <cstdio>

#include "catalogue.h"
#include "game.h"

namespace zt {

LevelFile ReadLevelFile(const std::string& path) {
    LevelFile result;
    // Only a plain file: opening a pipe waits for a writer that never comes,
    // and a device may never end. Anything else counts as a missing file.
    struct stat info;
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return result;
    }
    // Plain reading never locks the file on the platforms we build for, so
    // other programs may read and write it meanwhile. C's streams: the C++
    // ones would bring their locale machinery into every start for this.
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) {
        return result;
    }
    result.opened = true;
    while (static_cast<int>(result.records.size()) < MaxLevels) {
        LevelRecord record{};
        if (std::fread(record.data(), 1, RecordSize, in) != static_cast<std::size_t>(RecordSize)) {
            break; // end of file, a short last record or a read error
        }
        result.records.push_back(record);
    }
    std::fclose(in);
    return result;
}

std::optional<RecordFault> FindBadTile(const LevelRecord& record) {
    for (int c = 0; c < Columns; ++c) {
        for (int r = 0; r < Rows; ++r) {
            int t = record[CellIndex(c, r)];
            if (!IsTile(t)) {
                return RecordFault{{c, r}, t};
            }
        }
    }
    return std::nullopt;
}

bool Fits(const Board& board) {
    for (auto t : board) {
        if (!IsTile(t)) {
            return false; // never look a bad index up in the catalogue
        }
    }
    auto code = [&](int c, int r, Side s) -> int {
        if (c < 0 || c >= Columns || r < 0 || r >= Rows) {
            return Edge(0, s); // outside the board counts as grass
        }
        return Edge(board[CellIndex(c, r)], s);
    };
    for (int c = 0; c < Columns; ++c) {
        for (int r = 0; r < Rows; ++r) {
            int t = board[CellIndex(c, r)];
            if (Edge(t, Right) != code(c + 1, r, Left) || Edge(t, Left) != code(c - 1, r, Right) ||
                Edge(t, Bottom) != code(c, r + 1, Top) || Edge(t, Top) != code(c, r - 1, Bottom)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace zt
