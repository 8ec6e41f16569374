#include "commands.h"

#include "cellfacts.h"
#include "difficulty.h"
#include "game.h"
#include "generator.h"
#include "hint.h"
#include "levelcheck.h"
#include "scenerycheck.h"
#include "scenerymaker.h"

#include <filesystem>
#include <stdexcept>

namespace zt::levels {

namespace {

// The game's window, with nothing to show: dealing runs exactly as in the game.
// Deals level n of the file as the game does; tells `err` and returns false when
// there is no such level.
bool DealLevel(const std::string& path, unsigned long long n, unsigned long long seed, Game& game,
               std::ostream& err) {
    LevelFile file;
    if (!ReadLevels(path, file, err))
        return false;
    if (n < 1 || n > file.records.size()) {
        err << "ztrn-levels: " << path << " holds " << file.records.size()
            << " levels; there is no level " << n << "\n";
        return false;
    }
    game.UseLevels(file.records);
    game.Seed(static_cast<std::uint32_t>(seed));
    game.StartLevel(static_cast<int>(n));
    return true;
}

// The dealt board row by row, and where the marker stands.
void PrintDeal(const Game& game, std::ostream& out) {
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c)
            out << (c ? " " : "") << static_cast<int>(game.TileAt(c, r));
        out << "\n";
    }
    if (game.hasSelection())
        out << "selected " << game.selCol() << " " << game.selRow() << "\n";
    else
        out << "selected none\n";
}

} // namespace

bool ReadLevels(const std::string& path, LevelFile& file, std::ostream& err) {
    // A folder opens like a file on some systems and then reads as empty; that is
    // a mistake in the arguments, not a library without levels.
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        err << "ztrn-levels: " << path << " is a folder, not a level file\n";
        return false;
    }
    file = ReadLevelFile(path);
    if (!file.opened) {
        err << "ztrn-levels: cannot read " << path << "\n";
        return false;
    }
    return true;
}

bool ParseUnsigned(const std::string& text, unsigned long long max, unsigned long long& value) {
    if (text.empty() || text.size() > 20)
        return false;
    unsigned long long v = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9')
            return false;
        const unsigned digit = static_cast<unsigned>(ch - '0');
        if (v > (max - digit) / 10)
            return false;
        v = v * 10 + digit;
    }
    value = v;
    return true;
}

int RunCheck(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: ztrn-levels check FILE\n";
        return 2;
    }
    LevelFile file;
    if (!ReadLevels(args[0], file, err))
        return 1;
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(args[0], ec);
    const CheckReport report = CheckLevels(file.records, ec ? 0 : size);
    for (const auto& line : report.lines)
        out << line << "\n";
    return report.Clean() ? 0 : 1;
}

int RunScenery(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: ztrn-levels scenery FILE\n";
        return 2;
    }
    LevelFile file;
    if (!ReadLevels(args[0], file, err))
        return 1;
    int faulty = 0;
    for (std::size_t i = 0; i < file.records.size(); ++i) {
        auto faults = SceneryFaults(file.records[i]);
        if (faults.empty() && !WaterAndRailRunOn(file.records[i]))
            faults.push_back("a river or railway line closes on itself");
        faulty += !faults.empty();
        for (const auto& f : faults)
            out << "level " << i + 1 << ": " << f << "\n";
    }
    out << file.records.size() << " levels, " << faulty << " with scenery faults\n";
    return faulty == 0 ? 0 : 1;
}

int RunDeal(const Args& args, std::ostream& out, std::ostream& err) {
    unsigned long long n = 0, seed = 0;
    if (args.size() != 4 || args[2] != "--seed" || !ParseUnsigned(args[1], MaxLevels, n) ||
        !ParseUnsigned(args[3], 0xFFFFFFFFull, seed)) {
        err << "usage: ztrn-levels deal FILE N --seed S   (N a level number, S 0..4294967295)\n";
        return 2;
    }
    SilentView view;
    Game game(view);
    if (!DealLevel(args[0], n, seed, game, err))
        return 1;
    PrintDeal(game, out);
    return 0;
}

int RunDescribe(const Args& args, std::ostream& out, std::ostream& err) {
    unsigned long long n = 0, seed = 0;
    if (args.size() != 4 || args[2] != "--seed" || !ParseUnsigned(args[1], MaxLevels, n) ||
        !ParseUnsigned(args[3], 0xFFFFFFFFull, seed)) {
        err << "usage: ztrn-levels describe FILE N --seed S   (N a level number, S "
               "0..4294967295)\n";
        return 2;
    }
    SilentView view;
    Game game(view);
    if (!DealLevel(args[0], n, seed, game, err))
        return 1;
    PrintDeal(game, out);
    // In the words a screen reader reads for each cell, row by row.
    std::optional<Cell> marked;
    if (game.hasSelection())
        marked = Cell{game.selCol(), game.selRow()};
    const auto english = [](const char* word) { return std::string(word); };
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c)
            out << c << " " << r << ": "
                << DescribeCell(FactsOf(game.board(), {c, r}, marked), english) << "\n";
    }
    return 0;
}

int RunHints(const Args& args, std::ostream& out, std::ostream& err) {
    unsigned long long n = 0, seed = 0;
    if ((args.size() != 2 && args.size() != 4) || !ParseUnsigned(args[1], MaxLevels, n) ||
        (args.size() == 4 &&
         (args[2] != "--seed" || !ParseUnsigned(args[3], 0xFFFFFFFFull, seed)))) {
        err << "usage: ztrn-levels hints FILE N [--seed S]   (N a level number, S "
               "0..4294967295, 0 when left out)\n";
        return 2;
    }
    SilentView view;
    Game game(view);
    if (!DealLevel(args[0], n, seed, game, err))
        return 1;
    PrintDeal(game, out);
    std::vector<Cell> swaps;
    Cell marked{game.selCol(), game.selRow()};
    if (game.hasSelection())
        swaps = HintedSwaps(game.board(), game.Record(static_cast<int>(n)), marked);
    Board board = game.board();
    for (const Cell& to : swaps) {
        out << "swap " << marked.c << " " << marked.r << " with " << to.c << " " << to.r << "\n";
        std::swap(board[CellIndex(marked.c, marked.r)], board[CellIndex(to.c, to.r)]);
        marked = to;
    }
    // The board they lead to: the level's arrangement, or another that fits nearer.
    out << "target\n";
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c)
            out << (c ? " " : "") << static_cast<int>(board[CellIndex(c, r)]);
        out << "\n";
    }
    out << swaps.size() << " swaps\n";
    // A level author needs to hear of a deal that no swaps can solve: a record
    // that does not fit, or no tile to carry the marker.
    if (!Fits(board)) {
        err << "ztrn-levels: level " << n << " does not fit after these swaps\n";
        return 1;
    }
    return 0;
}

int RunGenerate(const Args& args, std::ostream& out, std::ostream& err) {
    unsigned long long seed = 0, count = 0;
    if (args.size() != 5 || args[0] != "--seed" || args[2] != "--count" ||
        !ParseUnsigned(args[1], ~0ull, seed) || !ParseUnsigned(args[3], MaxLevels, count) ||
        count < 1) {
        err << "usage: ztrn-levels generate --seed S --count N OUT   (N 1..500)\n";
        return 2;
    }
    std::vector<LevelRecord> levels;
    try {
        levels = GenerateLibrary(seed, static_cast<int>(count));
    } catch (const std::exception& e) {
        err << "ztrn-levels: " << e.what() << "; nothing written\n";
        return 1;
    }
    // The generator keeps every rule by construction; a file that breaks one is
    // never written, whatever went wrong.
    for (std::size_t i = 0; i < levels.size(); ++i) {
        auto faults = RecordFaults(levels[i]);
        const auto scenery = SceneryFaults(levels[i]);
        faults.insert(faults.end(), scenery.begin(), scenery.end());
        if (!faults.empty()) {
            err << "ztrn-levels: generated level " << i + 1 << " is faulty: " << faults.front()
                << "; nothing written\n";
            return 1;
        }
    }
    if (!WriteLevelFile(args[4], levels)) {
        err << "ztrn-levels: cannot write " << args[4] << "\n";
        return 1;
    }
    out << "wrote " << levels.size() << " levels to " << args[4] << "\n";
    return 0;
}

int RunStats(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: ztrn-levels stats FILE\n";
        return 2;
    }
    LevelFile file;
    if (!ReadLevels(args[0], file, err))
        return 1;
    LevelStats sum;
    int lowest = 0, highest = 0, drops = 0, peak = 0;
    for (std::size_t i = 0; i < file.records.size(); ++i) {
        const LevelStats s = Measure(file.records[i]);
        out << "level " << i + 1 << ": " << StatsLine(s) << "\n";
        if (i == 0 || s.figure < lowest)
            lowest = s.figure;
        highest = std::max(highest, s.figure);
        drops = std::max(drops, peak - s.figure);
        peak = std::max(peak, s.figure);
        sum.roads += s.roads;
        sum.kinds += s.kinds;
        sum.grass += s.grass;
        sum.fixedTiles += s.fixedTiles;
        sum.fixedWithRoad += s.fixedWithRoad;
        for (int f = 0; f < RoadFamilyCount; ++f)
            sum.byFamily[f] += s.byFamily[f];
    }
    const std::size_t n = file.records.size();
    out << n << " levels";
    if (n) {
        out << ", figure " << lowest << ".." << highest << ", largest drop below an earlier level "
            << drops << "\n";
        out << "in all: roads " << sum.roads << " (street "
            << sum.byFamily[static_cast<int>(RoadFamily::Street)] << ", raised "
            << sum.byFamily[static_cast<int>(RoadFamily::Raised)] << ", small "
            << sum.byFamily[static_cast<int>(RoadFamily::Small)] << ", mixed "
            << sum.byFamily[static_cast<int>(RoadFamily::Mixed)] << "), grass " << sum.grass
            << ", fixed " << sum.fixedTiles << " (" << sum.fixedWithRoad << " with road)";
    }
    out << "\n";
    return 0;
}

} // namespace zt::levels
