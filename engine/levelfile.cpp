// The level file: whole 63-byte records one after the other, at most 500.
#include <filesystem>
#include <fstream>

#include "catalogue.h"
#include "game.h"

namespace zt {

LevelFile ReadLevelFile(const std::string& path) {
    LevelFile result;
    // Only a plain file: opening a pipe waits for a writer that never comes,
    // and a device may never end. Anything else counts as a missing file.
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::path(path), error)) {
        return result;
    }
    // Plain reading never locks the file on the platforms we build for, so
    // other programs may read and write it meanwhile.
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        return result;
    }
    result.opened = true;
    while (static_cast<int>(result.records.size()) < MaxLevels) {
        LevelRecord record{};
        in.read(reinterpret_cast<char*>(record.data()), RecordSize);
        if (in.gcount() != RecordSize) {
            break;  // end of file, a short last record or a read error
        }
        result.records.push_back(record);
    }
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
            return false;  // never look a bad index up in the catalogue
        }
    }
    auto code = [&](int c, int r, Side s) -> int {
        if (c < 0 || c >= Columns || r < 0 || r >= Rows) {
            return Edge(0, s);  // outside the board counts as grass
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

}  // namespace zt
