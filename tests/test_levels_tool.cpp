#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <sstream>

#include "catalogue.h"
#include "commands.h"
#include "game.h"
#include "test_levels.h"
#include "testpaths.h"

using namespace zt;
using namespace zt::levels;

namespace {

struct Result {
    int code;
    std::string out;
    std::string err;
};

Result Run(int (*command)(const Args&, std::ostream&, std::ostream&), const Args& args) {
    std::ostringstream out, err;
    const int code = command(args, out, err);
    return {code, out.str(), err.str()};
}

void WriteBytes(const std::string& path, const std::vector<LevelRecord>& records, int extra = 0) {
    std::ofstream f(path, std::ios::binary);
    for (const auto& r : records)
        f.write(reinterpret_cast<const char*>(r.data()), RecordSize);
    for (int i = 0; i < extra; ++i)
        f.put(char(1));
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// A small sound level: a street loop of four bends.
LevelRecord Loop() {
    LevelRecord r{};
    r[CellIndex(3, 2)] = 7;
    r[CellIndex(4, 2)] = 6;
    r[CellIndex(3, 3)] = 4;
    r[CellIndex(4, 3)] = 5;
    return r;
}

// The deal as the game's rules describe it, written out on its own here so that
// the tool and the engine are both held to the description.
std::string DealByTheRules(LevelRecord board, std::uint32_t seed) {
    auto below = [&](std::uint32_t n) {
        seed = seed * 134775813u + 1u;
        return static_cast<int>((static_cast<std::uint64_t>(seed) * n) >> 32);
    };
    auto cell = [&] {
        const int c = below(9);
        const int r = below(7);
        return CellIndex(c, r);
    };
    for (int step = 0; step < 2000; ++step) {
        int a = cell();
        while (board[a] > 90)
            a = cell();
        int b = cell();
        while (board[b] > 90)
            b = cell();
        std::swap(board[a], board[b]);
    }
    int sel = cell();
    while (!(board[sel] < 90 && board[sel] != 0))
        sel = cell();
    std::ostringstream out;
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c)
            out << (c ? " " : "") << int(board[CellIndex(c, r)]);
        out << "\n";
    }
    out << "selected " << sel / Rows << " " << sel % Rows << "\n";
    return out.str();
}

} // namespace

void TestLevelTool::checkListsEveryFault() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("damaged.dat").toStdString();
    LevelRecord badIndex = Loop();
    badIndex[CellIndex(2, 3)] = 250;
    LevelRecord offBorder = Loop();
    offBorder[CellIndex(0, 0)] = 2; // a street running off the left border
    LevelRecord noMarker{};         // grass only: movable, but nothing to carry the marker
    LevelRecord noMovable;
    noMovable.fill(179); // meadow everywhere: fixed, nothing to shuffle
    WriteBytes(path, {Loop(), badIndex, offBorder, noMarker, noMovable}, 20);

    const Result r = Run(RunCheck, {path});
    QCOMPARE(r.code, 1);
    const auto lines = Lines(r.out);
    QVERIFY(!lines.empty());
    QCOMPARE(lines.back(), std::string("5 levels, 4 faulty"));
    auto has = [&](const std::string& level, const std::string& words) {
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) {
            return l.rfind(level + ":", 0) == 0 && l.find(words) != std::string::npos;
        });
    };
    QVERIFY(!has("level 1", ""));
    QVERIFY(has("level 2", "tile 250 at column 2, row 3"));
    QVERIFY(has("level 3", "does not fit"));
    QVERIFY(has("level 3", "left border at column 0, row 0"));
    QVERIFY(has("level 4", "no tile 1..89"));
    QVERIFY(!has("level 4", "no movable"));
    QVERIFY(has("level 5", "no movable tile"));
    QVERIFY(has("level 5", "no tile 1..89"));

    // Road rules and scenery are two checks: a river stopping in a field fits.
    LevelRecord stream = Loop();
    stream[CellIndex(6, 2)] = 98;
    WriteBytes(path, {Loop(), stream});
    QCOMPARE(Run(RunCheck, {path}).code, 0);
    const Result s = Run(RunScenery, {path});
    QCOMPARE(s.code, 1);
    QCOMPARE(Lines(s.out).back(), std::string("2 levels, 1 with scenery faults"));
    QCOMPARE(Lines(s.out).front().rfind("level 2: ", 0), std::size_t(0));
}

void TestLevelTool::checkFollowsTheReadingRules() {
    QTemporaryDir dir;
    // 600 records: only the first 500 count, the 500th included; the author
    // hears of the rest.
    std::vector<LevelRecord> many(600, Loop());
    many[599][0] = 255; // past the limit: never read, so never reported
    const std::string big = dir.filePath("big.dat").toStdString();
    WriteBytes(big, many);
    Result r = Run(RunCheck, {big});
    QCOMPARE(r.code, 1);
    QCOMPARE(Lines(r.out), (std::vector<std::string>{
                               "file: the last 6300 bytes after level 500 are ignored (the game "
                               "reads at most 500 levels)",
                               "500 levels, 0 faulty"}));
    WriteBytes(big, std::vector<LevelRecord>(500, Loop()));
    r = Run(RunCheck, {big});
    QCOMPARE(r.code, 0);
    QCOMPARE(Lines(r.out), (std::vector<std::string>{"500 levels, 0 faulty"}));

    many.resize(500);
    many[499][0] = 255;
    WriteBytes(big, many);
    r = Run(RunCheck, {big});
    QCOMPARE(r.code, 1);
    QCOMPARE(Lines(r.out).back(), std::string("500 levels, 1 faulty"));

    // A short last record is not a level, and an empty file holds none: the
    // game goes on without a word, the check tells.
    const std::string shortFile = dir.filePath("short.dat").toStdString();
    const std::string ignored = "file: the last 62 bytes after level 2 are ignored (too few for a "
                                "level of 63 bytes)";
    WriteBytes(shortFile, {Loop(), Loop()}, 62);
    r = Run(RunCheck, {shortFile});
    QCOMPARE(r.code, 1);
    QCOMPARE(Lines(r.out), (std::vector<std::string>{ignored, "2 levels, 0 faulty"}));
    const std::string none = "file: holds no level (a level is a whole record of 63 bytes)";
    WriteBytes(shortFile, {});
    r = Run(RunCheck, {shortFile});
    QCOMPARE(r.code, 1);
    QCOMPARE(Lines(r.out), (std::vector<std::string>{none, "0 levels, 0 faulty"}));
    WriteBytes(shortFile, {}, 40);
    r = Run(RunCheck, {shortFile});
    QCOMPARE(r.code, 1);
    QCOMPARE(Lines(r.out),
             (std::vector<std::string>{
                 none, "file: the last 40 bytes are ignored (too few for a level of 63 bytes)",
                 "0 levels, 0 faulty"}));

    // A file that cannot be read is an error, not an empty library.
    r = Run(RunCheck, {dir.filePath("missing.dat").toStdString()});
    QVERIFY(r.code != 0);
    QVERIFY(!r.err.empty());
    QVERIFY(r.out.empty());
}

void TestLevelTool::dealIsTheGamesDeal() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("deal.dat").toStdString();
    // Shipped levels with fixed tiles among the movable ones, and the loop.
    std::vector<LevelRecord> levels;
    const std::string shipped = std::string(zt::testpaths::SourceDir) + "/data/ztrn.dat";
    for (int n : {1, 200, 250, 320, 490})
        levels.push_back(ReadLevelFile(shipped).records.at(n - 1));
    levels.push_back(Loop());
    WriteBytes(path, levels);
    for (int n : {1, 2, 3, 4, 5, 6}) {
        for (std::uint32_t seed : {0u, 1u, 20260u, 4294967295u}) {
            const Result r =
                Run(RunDeal, {path, std::to_string(n), "--seed", std::to_string(seed)});
            QCOMPARE(r.code, 0);
            QCOMPARE(r.out, DealByTheRules(levels[n - 1], seed));
            QVERIFY(r.err.empty());
            // The hints start from the same deal; the board they lead to, then their count.
            const Result h =
                Run(RunHints, {path, std::to_string(n), "--seed", std::to_string(seed)});
            const auto swaps = Lines(h.out.substr(r.out.size()));
            QVERIFY(h.code == 0 && h.out.starts_with(r.out) && swaps.size() > Rows + 2);
            QCOMPARE(swaps[swaps.size() - Rows - 2], std::string("target"));
            QCOMPARE(swaps.back(), std::to_string(swaps.size() - Rows - 2) + " swaps");
            // And the cells of the same deal in words, the marked one said so.
            const Result d =
                Run(RunDescribe, {path, std::to_string(n), "--seed", std::to_string(seed)});
            const auto cells = Lines(d.out.substr(r.out.size()));
            const std::string marked = r.out.substr(r.out.rfind("selected ") + 9);
            QVERIFY(d.code == 0 && d.out.starts_with(r.out) && cells.size() == 63);
            QVERIFY(cells[std::stoi(marked.substr(2)) * 9 + std::stoi(marked)].ends_with(
                ", movable, marked"));
        }
    }
    // A shipped deal whose nearest fitting board is its picture moved left:
    // aiming only right and down takes 57.
    const Result far = Run(RunHints, {shipped, "392", "--seed", "1"});
    QCOMPARE(Lines(far.out).back(), std::string("50 swaps"));
    // A level without any tile for the marker is still dealt, and ends.
    LevelRecord bare{};
    bare[0] = 150;
    bare[1] = 90;
    WriteBytes(path, {bare});
    const Result r = Run(RunDeal, {path, "1", "--seed", "5"});
    const auto lines = Lines(r.out);
    QCOMPARE(lines.size(), std::size_t(8));
    QCOMPARE(lines[0].substr(0, 4), std::string("150 "));
}

void TestLevelTool::badArgumentsAreRefused() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("two.dat").toStdString();
    WriteBytes(path, {Loop(), Loop()});
    const std::vector<std::pair<int (*)(const Args&, std::ostream&, std::ostream&), Args>> bad = {
        {RunCheck, {}},
        {RunCheck, {path, path}},
        {RunDeal, {path, "1"}},
        {RunDeal, {path, "0", "--seed", "1"}},
        {RunDeal, {path, "3", "--seed", "1"}}, // only two levels
        {RunDeal, {path, "1", "--seed", "4294967296"}},
        {RunDeal, {path, "1", "--seed", "-1"}},
        {RunDeal, {path, "1", "--seed", "12a"}},
        {RunDeal, {path, "1", "--sed", "1"}},
        {RunHints, {path, "1", "--seed"}},
        {RunDeal, {dir.filePath("none.dat").toStdString(), "1", "--seed", "1"}},
        {RunGenerate, {"--seed", "1", "--count", "0", dir.filePath("g.dat").toStdString()}},
        {RunGenerate, {"--seed", "1", "--count", "501", dir.filePath("g.dat").toStdString()}},
        {RunGenerate, {"--seed", "x", "--count", "5", dir.filePath("g.dat").toStdString()}},
        {RunGenerate, {"--seed", "1", "--count", "5", dir.filePath("no/such/g.dat").toStdString()}},
        {RunStats, {dir.filePath("none.dat").toStdString()}},
        {RunCheck, {dir.path().toStdString()}},
    };
    for (const auto& [command, args] : bad) {
        const Result r = Run(command, args);
        QVERIFY(r.code != 0);
        QVERIFY(!r.err.empty());
        QVERIFY(r.out.empty());
    }
    QVERIFY(!QFile::exists(dir.filePath("g.dat")));
}

void TestLevelTool::picturesShowTheLevels() {
    QTemporaryDir dir;
    // A sheet whose every tile is one flat colour that names its index.
    QImage sheet(960, 480, QImage::Format_RGB32);
    for (int t = 0; t < TileCount; ++t)
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 48; ++x)
                sheet.setPixel(48 * (t % 20) + x, 48 * (t / 20) + y, qRgb(t, 255 - t, 7));
    const QString sheetPath = dir.filePath("sheet.bmp");
    QVERIFY(sheet.save(sheetPath, "BMP"));

    LevelRecord level = Loop();
    level[CellIndex(8, 6)] = 199;
    level[CellIndex(0, 6)] = 230; // no such tile
    const std::string file = dir.filePath("pic.dat").toStdString();
    WriteBytes(file, {Loop(), level});
    const std::string png = dir.filePath("level.png").toStdString();
    Result r = Run(RunRender, {file, "2", png, "--tiles", sheetPath.toStdString()});
    QCOMPARE(r.code, 0);
    const QImage drawn(QString::fromStdString(png));
    QCOMPARE(drawn.size(), QSize(9 * 48, 7 * 48));
    for (int c = 0; c < Columns; ++c) {
        for (int r = 0; r < Rows; ++r) {
            const int t = level[CellIndex(c, r)];
            if (t >= TileCount)
                continue;
            // Corners and middle of each cell: the whole cell comes from its tile.
            for (QPoint p : {QPoint(1, 1), QPoint(24, 24), QPoint(46, 46)})
                QCOMPARE(drawn.pixel(48 * c + p.x(), 48 * r + p.y()), qRgb(t, 255 - t, 7));
        }
    }
    // The damaged cell is marked, not drawn as some other tile.
    QVERIFY(drawn.pixel(0 * 48 + 24, 6 * 48 + 24) != qRgb(0, 255, 7));

    // Without a usable sheet, or for a level that is not there, nothing is drawn.
    r = Run(RunRender, {file, "2", png, "--tiles", dir.filePath("none.bmp").toStdString()});
    QVERIFY(r.code != 0 && !r.err.empty());
    r = Run(RunRender, {file, "3", png, "--tiles", sheetPath.toStdString()});
    QVERIFY(r.code != 0 && !r.err.empty());

    // The curve is a picture of its own size for any file, an empty one included.
    const std::string curve = dir.filePath("curve.png").toStdString();
    QCOMPARE(Run(RunCurve, {file, curve}).code, 0);
    QVERIFY(!QImage(QString::fromStdString(curve)).isNull());
    WriteBytes(file, {});
    QCOMPARE(Run(RunCurve, {file, curve}).code, 0);
}
