// Dealing, moves and the level operations behind the tool bar.
#include "game.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <new>
#include <system_error>

#include "catalogue.h"

namespace zt {

namespace {

// Shown in place of a cell whose tile index does not exist: fixed, plain grass.
constexpr std::uint8_t DamagedCellTile = 179;

// The rejection draws end after a few dozen tries on any real board; this cap
// only keeps the work bounded whatever a record holds.
constexpr int MaxDraws = 1 << 20;

std::string FolderOf(const std::string& path) {
    auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

int Game::SolvedCount() const {
    int n = 0;
    for (int i = 1; i <= LevelCount(); ++i) {
        n += IsLevelSolved(i) ? 1 : 0;
    }
    return n;
}

bool Game::ComputeAllSolved() const { return SolvedCount() == LevelCount(); }

void Game::SeedFromClock() {
    using namespace std::chrono;
    auto now = system_clock::now().time_since_epoch();
    auto msToday = duration_cast<milliseconds>(now).count() % (24LL * 60 * 60 * 1000);
    randomSeed = static_cast<std::uint32_t>(msToday);
}

std::uint32_t Game::RandomBelow(std::uint32_t n) {
    randomSeed = randomSeed * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(randomSeed) * n) >> 32);
}

Cell Game::RandomCell() {
    int c = static_cast<int>(RandomBelow(Columns));
    int r = static_cast<int>(RandomBelow(Rows));
    return {c, r};
}

std::optional<Cell> Game::CellAtPoint(int x, int y) {
    if (x < BoardLeft || y < BoardTop) {
        return std::nullopt;
    }
    int c = (x - BoardLeft) / CellSize;
    int r = (y - BoardTop) / CellSize;
    if (c >= Columns || r >= Rows) {
        return std::nullopt;
    }
    return Cell{c, r};
}

void Game::Deal(const LevelRecord& record) {
    board = record;
    int movable = 0;
    int eligible = 0;
    for (auto& t : board) {
        if (!IsTile(t)) {
            t = DamagedCellTile;
        }
        movable += IsMovable(t) ? 1 : 0;
        eligible += IsMarkerEligible(t) ? 1 : 0;
    }

    auto drawMovable = [&]() -> Cell {
        for (int i = 0; i < MaxDraws; ++i) {
            Cell a = RandomCell();
            if (IsMovable(TileAt(a.c, a.r))) {
                return a;
            }
        }
        for (int i = 0; i < CellCount; ++i) {
            if (IsMovable(board[i])) {
                return {i / Rows, i % Rows};
            }
        }
        return {0, 0};
    };
    if (movable > 0) {
        for (int step = 0; step < ShuffleSteps; ++step) {
            Cell a = drawMovable();
            Cell b = drawMovable();
            std::swap(board[CellIndex(a.c, a.r)], board[CellIndex(b.c, b.r)]);
        }
    }

    hasSelection = false;
    selCol = 0;
    selRow = 0;
    if (eligible > 0) {
        for (int i = 0; i < MaxDraws && !hasSelection; ++i) {
            Cell s = RandomCell();
            if (IsMarkerEligible(TileAt(s.c, s.r))) {
                selCol = s.c;
                selRow = s.r;
                hasSelection = true;
            }
        }
        for (int i = 0; i < CellCount && !hasSelection; ++i) {
            if (IsMarkerEligible(board[i])) {
                selCol = i / Rows;
                selRow = i % Rows;
                hasSelection = true;
            }
        }
    }
}

void Game::StartLevel(int n) {
    if (n < 1 || n > LevelCount()) {
        return;  // nothing to deal from
    }
    currentLevel = n;
    const LevelRecord& record = levels[n - 1];
    Deal(record);

    for (int c = 0; c < Columns; ++c) {
        for (int r = 0; r < Rows; ++r) {
            view_.DrawCell(c, r);
        }
    }
    movedFlag = false;
    SetLevelSolved(false);
    view_.UpdateCaption();

    if (auto fault = FindBadTile(record)) {
        damagedReported_.resize(LevelCount(), false);
        if (!damagedReported_[n - 1]) {
            damagedReported_[n - 1] = true;
            auto num = [](int v) { return std::to_string(v); };
            std::string where = num(fault->cell.c + 1) + ", " + num(fault->cell.r + 1);
            view_.ShowError(
                German() ? "Stufe " + num(n) + " ist beschädigt: Das Feld in Spalte und Zeile " +
                               where + " enthält die Plättchennummer " + num(fault->tile) +
                               ", die es nicht gibt. Solche Felder werden als Wiese "
                               "gezeigt; die Stufe ist vielleicht nicht lösbar."
                         : "Level " + num(n) + " is damaged: the cell at column and row " + where +
                               " holds the tile number " + num(fault->tile) +
                               ", which does not exist. Such cells are shown as grass; the "
                               "level may not be solvable.");
        }
    }
}

void Game::boxMouseDown(int x, int y) {
    if (!hasSelection) {
        return;
    }
    auto cell = CellAtPoint(x, y);
    if (!cell || (cell->c == selCol && cell->r == selRow)) {
        return;
    }
    std::uint8_t t = TileAt(cell->c, cell->r);
    if (!IsMovable(t)) {
        return;
    }
    Cell old{selCol, selRow};
    board[CellIndex(cell->c, cell->r)] = TileAt(old.c, old.r);
    board[CellIndex(old.c, old.r)] = t;
    selCol = cell->c;
    selRow = cell->r;
    view_.PlayCue(2);
    view_.DrawCell(selCol, selRow);
    view_.DrawCell(old.c, old.r);
    movedFlag = true;
    if (IsSolved()) {
        FinishLevel();
    }
}

void Game::SetLevelSolved(bool solved) {
    levelSolved = solved;
    view_.LevelSolvedChanged();
}

void Game::LoadLevelLibrary(const std::string& path) {
    levelFilePath = path;
    levels.clear();
    damagedReported_.clear();
    try {
        LevelFile file = ReadLevelFile(path);
        levels = std::move(file.records);
        if (levels.empty()) {
            view_.ShowError(
                German() ? "Die Stufendatei " + path +
                               (file.opened ? " enthält keine vollständige Stufe."
                                            : " fehlt oder lässt sich nicht öffnen.") +
                               " Ohne sie gibt es nichts zu spielen."
                         : "The level file " + path +
                               (file.opened ? " holds no complete level."
                                            : " is missing or cannot be opened.") +
                               " Without it there is nothing to play.");
        }
    } catch (const std::exception& e) {
        int code = ENOMEM;
        if (auto* se = dynamic_cast<const std::system_error*>(&e)) {
            code = se->code().value();
        }
        std::string dir = FolderOf(path);
        view_.ShowError(German() ? "Dateifehler " + std::to_string(code) + " bei Datei " + dir +
                                       "ZTRN.DAT."
                                 : "Fileerror " + std::to_string(code) + " with file " + dir +
                                       "ZTRN.DAT.");
        levels.assign(1, LevelRecord{});
        currentLevel = 1;
    }
}

void Game::StartUp(int storedLevel) {
    if (LevelCount() == 0) {
        // Nothing to deal. Keep the stored level so that it is written back
        // unchanged, and leave an empty board without a marker.
        currentLevel = storedLevel;
        board.fill(0);
        hasSelection = false;
        allSolved = false;
        view_.SetSelectorRange(0);
        movedFlag = false;
        SetLevelSolved(false);
        view_.UpdateCaption();
        return;
    }
    currentLevel = std::clamp(storedLevel, 1, LevelCount());
    view_.SetSelectorRange(LevelCount());
    view_.SetSelectorPosition(currentLevel);
    allSolved = ComputeAllSolved();
    StartLevel(currentLevel);
}

void Game::FinishLevel() {
    view_.PlayCue(1);
    SetLevelSolved(true);
    view_.ShowPage(Page::Won);
    if (solvedFlags[currentLevel - 1] == 0) {
        solvedFlags[currentLevel - 1] = 1;
    }
    view_.PaintLevelBox();
    view_.UpdateCaption();
    view_.DrawGauge();
    if (!allSolved) {
        allSolved = ComputeAllSolved();
        if (allSolved) {
            view_.ShowPage(Page::AllSolved);
        }
    }
}

void Game::NextUnsolved() {
    int n = LevelCount();
    int k = currentLevel;
    for (int i = 1; i < n; ++i) {
        k = k + 1 > n ? 1 : k + 1;
        if (!IsLevelSolved(k)) {
            StartLevel(k);
            view_.SetSelectorPosition(k);
            view_.UpdateCaption();
            return;
        }
    }
}

void Game::PreviousUnsolved() {
    int n = LevelCount();
    int k = currentLevel;
    for (int i = 1; i < n; ++i) {
        k = k - 1 < 1 ? n : k - 1;
        if (!IsLevelSolved(k)) {
            StartLevel(k);
            view_.SetSelectorPosition(k);
            view_.UpdateCaption();
            return;
        }
    }
}

void Game::NewGame() {
    if (LevelCount() == 0) {
        return;
    }
    if (!levelSolved && view_.ShowPage(Page::Giveup) == ModalResult::No) {
        return;
    }
    currentLevel = 1;
    view_.SetSelectorPosition(1);
    std::fill(solvedFlags.begin(), solvedFlags.begin() + LevelCount(), 0);
    StartLevel(1);
    view_.UpdateCaption();
    view_.DrawGauge();
}

void Game::RestartLevel() {
    if (LevelCount() == 0) {
        return;
    }
    if (!levelSolved && movedFlag && view_.ShowPage(Page::Restart) == ModalResult::No) {
        return;
    }
    StartLevel(currentLevel);
}

void Game::SelectLevel(int p) {
    if (p < 1 || p > LevelCount()) {
        return;
    }
    StartLevel(p);
    view_.UpdateCaption();
}

}  // namespace zt
