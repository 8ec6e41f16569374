#include "levelcheck.h"

#include "catalogue.h"

namespace zt::levels {

namespace {

const char* CodeName(int code) {
    switch (code) {
    case NoRoad:
        return "no road";
    case Street:
        return "street";
    case Raised:
        return "raised road";
    case Small:
        return "small road";
    }
    return "?";
}

const char* SideName(Side s) {
    switch (s) {
    case Right:
        return "right";
    case Top:
        return "top";
    case Left:
        return "left";
    case Bottom:
        return "bottom";
    }
    return "?";
}

std::string Where(int c, int r) {
    return "column " + std::to_string(c) + ", row " + std::to_string(r);
}

// Sides that do not meet, each named once (right and bottom of every cell, plus
// the top and left border). Only called on records with valid tiles.
std::vector<std::string> Mismatches(const LevelRecord& record) {
    std::vector<std::string> out;
    auto code = [&](int c, int r, Side s) -> int {
        if (c < 0 || c >= Columns || r < 0 || r >= Rows)
            return NoRoad;
        return Edge(record[CellIndex(c, r)], s);
    };
    for (int c = 0; c < Columns; ++c) {
        for (int r = 0; r < Rows; ++r) {
            const int t = record[CellIndex(c, r)];
            struct Look {
                Side side;
                int dc, dr;
            };
            for (const Look look :
                 {Look{Right, 1, 0}, Look{Bottom, 0, 1}, Look{Left, -1, 0}, Look{Top, 0, -1}}) {
                const int nc = c + look.dc, nr = r + look.dr;
                const bool border = nc < 0 || nc >= Columns || nr < 0 || nr >= Rows;
                // Inner sides are named from their left or upper cell only.
                if (!border && (look.side == Left || look.side == Top))
                    continue;
                const int mine = Edge(t, look.side);
                const int theirs = code(nc, nr, Opposite(look.side));
                if (mine == theirs)
                    continue;
                if (border)
                    out.push_back("does not fit: " + std::string(CodeName(mine)) +
                                  " runs off the " + SideName(look.side) + " border at " +
                                  Where(c, r));
                else
                    out.push_back("does not fit: " + std::string(CodeName(mine)) + " on the " +
                                  SideName(look.side) + " side of " + Where(c, r) + " meets " +
                                  CodeName(theirs) + " of " + Where(nc, nr));
            }
        }
    }
    return out;
}

} // namespace

std::vector<std::string> RecordFaults(const LevelRecord& record) {
    std::vector<std::string> faults;
    bool allTiles = true, marker = false, movable = false;
    for (int c = 0; c < Columns; ++c) {
        for (int r = 0; r < Rows; ++r) {
            const int t = record[CellIndex(c, r)];
            if (!IsTile(t)) {
                allTiles = false;
                faults.push_back("tile " + std::to_string(t) + " at " + Where(c, r) +
                                 " does not exist (200 or more)");
                continue;
            }
            marker = marker || IsMarkerEligible(t);
            movable = movable || IsMovable(t);
        }
    }
    if (allTiles) {
        // The game's own check decides; the list of sides only tells the author where.
        if (!Fits(record)) {
            auto where = Mismatches(record);
            if (where.empty())
                where.push_back("does not fit");
            faults.insert(faults.end(), where.begin(), where.end());
        }
    } else {
        faults.push_back("fit not checked: the record holds tiles that do not exist");
    }
    if (!marker)
        faults.push_back("no tile 1..89 to carry the marker");
    if (!movable)
        faults.push_back("no movable tile (0..90)");
    return faults;
}

CheckReport CheckLevels(const std::vector<LevelRecord>& records, std::uintmax_t fileSize) {
    CheckReport report;
    report.levels = static_cast<int>(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto faults = RecordFaults(records[i]);
        if (faults.empty())
            continue;
        ++report.faulty;
        for (const auto& f : faults)
            report.lines.push_back("level " + std::to_string(i + 1) + ": " + f);
    }
    // The game passes over these without a word; the author should not.
    if (records.empty()) {
        ++report.fileFaults;
        report.lines.push_back("file: holds no level (a level is a whole record of " +
                               std::to_string(RecordSize) + " bytes)");
    }
    const std::uintmax_t used = records.size() * std::uintmax_t{RecordSize};
    if (fileSize > used) {
        ++report.fileFaults;
        const std::string after =
            records.empty() ? "" : " after level " + std::to_string(records.size());
        report.lines.push_back(
            "file: the last " + std::to_string(fileSize - used) + " bytes" + after +
            " are ignored " +
            (records.size() >= static_cast<std::size_t>(MaxLevels)
                 ? "(the game reads at most " + std::to_string(MaxLevels) + " levels)"
                 : "(too few for a level of " + std::to_string(RecordSize) + " bytes)"));
    }
    report.lines.push_back(std::to_string(report.levels) + " levels, " +
                           std::to_string(report.faulty) + " faulty");
    return report;
}

} // namespace zt::levels
