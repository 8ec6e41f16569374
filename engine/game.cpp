// Dealing, moves and the level operations behind the tool bar.
#include "game.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <new>
#include <system_error>

#include "catalogue.h"
#include "hint.h"
#include "history.h"

namespace zt {

namespace {

// Shown in place of a cell whose tile index does not exist: fixed, plain grass.
constexpr std::uint8_t DamagedCellTile = 179;

// The rejection draws end after a few dozen tries on any real board; this cap
// only keeps the work bounded whatever a record holds.
constexpr int MaxDraws = 1 << 20;

}  // namespace

Game::Game(GameView& view) : view_(view), history_(std::make_unique<History>()) {}

Game::~Game() = default;

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
    randomSeed_ = static_cast<std::uint32_t>(msToday);
}

std::uint32_t Game::RandomBelow(std::uint32_t n) {
    randomSeed_ = randomSeed_ * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(randomSeed_) * n) >> 32);
}

Cell Game::RandomCell() {
    int c = static_cast<int>(RandomBelow(Columns));
    int r = static_cast<int>(RandomBelow(Rows));
    return {c, r};
}

void Game::Deal(const LevelRecord& record) {
    board_ = record;
    hintGoal_.reset();
    int movable = 0;
    int eligible = 0;
    for (auto& t : board_) {
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
            if (IsMovable(board_[i])) {
                return {i / Rows, i % Rows};
            }
        }
        return {0, 0};
    };
    if (movable > 0) {
        for (int step = 0; step < ShuffleSteps; ++step) {
            Cell a = drawMovable();
            Cell b = drawMovable();
            std::swap(board_[CellIndex(a.c, a.r)], board_[CellIndex(b.c, b.r)]);
        }
    }

    hasSelection_ = false;
    selCol_ = 0;
    selRow_ = 0;
    if (eligible > 0) {
        for (int i = 0; i < MaxDraws && !hasSelection_; ++i) {
            Cell s = RandomCell();
            if (IsMarkerEligible(TileAt(s.c, s.r))) {
                selCol_ = s.c;
                selRow_ = s.r;
                hasSelection_ = true;
            }
        }
        for (int i = 0; i < CellCount && !hasSelection_; ++i) {
            if (IsMarkerEligible(board_[i])) {
                selCol_ = i / Rows;
                selRow_ = i % Rows;
                hasSelection_ = true;
            }
        }
    }
}

Outcome Game::StartLevel(int n) {
    Outcome out;
    DealInto(n, out);
    return out;
}

void Game::DealInto(int n, Outcome& out) {
    if (n < 1 || n > LevelCount()) {
        return;  // nothing to deal from
    }
    currentLevel_ = n;
    const LevelRecord& record = levels_[n - 1];
    Deal(record);
    history_->Clear();
    dealt_ = board_;
    dealtMarker_ = {selCol_, selRow_};
    hintUsed_ = false;
    levelSolved_ = false;
    out.dealt = true;

    if (auto fault = FindBadTile(record)) {
        damagedReported_.resize(LevelCount(), false);
        if (!damagedReported_[n - 1]) {
            damagedReported_[n - 1] = true;
            out.damaged = LevelDamage{n, fault->cell, fault->tile};
        }
    }
}

void Game::MoveSelector(int p, Outcome& out) {
    if (p == selector_) {
        return;
    }
    selector_ = p;
    out.selector = p;
    DealInto(p, out);
}

Outcome Game::boxMouseDown(Cell cell) {
    Outcome out;
    if (!hasSelection_ || !OnBoard(cell) || (cell.c == selCol_ && cell.r == selRow_)) {
        return out;
    }
    std::uint8_t t = TileAt(cell.c, cell.r);
    if (!IsMovable(t)) {
        return out;
    }
    history_->Record({{selCol_, selRow_}, cell});
    MoveMarkerTo(cell, out);
    return out;
}

void Game::MoveMarkerTo(Cell to, Outcome& out) {
    Cell old{selCol_, selRow_};
    ExchangeTiles(board_, {old, to});
    selCol_ = to.c;
    selRow_ = to.r;
    out.cues.push_back(Cue::Move);
    out.swapped = Swap{old, to};
    if (IsSolved()) {
        FinishLevel(out);
    }
}

Outcome Game::Undo() {
    Outcome out;
    if (!CanUndo()) {
        return out; // a solved level stays solved
    }
    if (auto swap = history_->Undo()) {
        MoveMarkerTo(swap->from, out);
    }
    return out;
}

Outcome Game::Redo() {
    Outcome out;
    if (!CanRedo()) {
        return out;
    }
    if (auto swap = history_->Redo()) {
        MoveMarkerTo(swap->to, out);
    }
    return out;
}

bool Game::CanUndo() const { return !levelSolved_ && hasSelection_ && history_->CanUndo(); }

bool Game::CanRedo() const { return !levelSolved_ && hasSelection_ && history_->CanRedo(); }

bool Game::CanHint() const {
    return !levelSolved_ && hasSelection_ && !IsSolved() && currentLevel_ >= 1 &&
           currentLevel_ <= LevelCount();
}

std::optional<Cell> Game::Hint() {
    if (!CanHint()) {
        return std::nullopt;
    }
    const Cell marked{selCol_, selRow_};
    const auto aim = AimHints(board_, Record(currentLevel_), marked, hintGoal_ ? &*hintGoal_ : nullptr);
    if (!aim) {
        return std::nullopt;
    }
    hintGoal_ = aim->goal;
    const std::optional<Cell> cell = HintToward(board_, aim->goal, marked);
    hintUsed_ = hintUsed_ || cell.has_value();
    return cell;
}

int Game::SwapsStanding() const {
    return static_cast<int>(history_->Done());
}

int Game::DealHintCount() const {
    if (!hasSelection_ || currentLevel_ < 1 || currentLevel_ > LevelCount()) {
        return 0;
    }
    return static_cast<int>(HintedSwaps(dealt_, Record(currentLevel_), dealtMarker_).size());
}

void Game::LoadLevelLibrary(const std::string& path) {
    levels_.clear();
    damagedReported_.clear();
    try {
        LevelFile file = ReadLevelFile(path);
        levels_ = std::move(file.records);
        if (levels_.empty()) {
            view_.LevelFileFailed(file.opened ? LevelFileFault::NoCompleteLevel : LevelFileFault::Missing,
                                  path, 0);
        }
    } catch (const std::exception& e) {
        int code = ENOMEM;
        if (auto* se = dynamic_cast<const std::system_error*>(&e)) {
            code = se->code().value();
        }
        view_.LevelFileFailed(LevelFileFault::ReadFailed, path, code);
        levels_.assign(1, LevelRecord{});
        currentLevel_ = 1;
    }
}

void Game::UseLevels(std::vector<LevelRecord> records) {
    levels_ = std::move(records);
    damagedReported_.clear();
}

Outcome Game::StartUp(int storedLevel) {
    Outcome out;
    if (LevelCount() == 0) {
        // Nothing to deal. Keep the stored level so that it is written back
        // unchanged, and leave an empty board without a marker.
        currentLevel_ = storedLevel;
        board_.fill(0);
        hasSelection_ = false;
        allSolved_ = false;
        levelSolved_ = false;
        out.dealt = true;
        return out;
    }
    currentLevel_ = std::clamp(storedLevel, 1, LevelCount());
    // A selector standing elsewhere deals the stored level, and it is dealt
    // again below: both deals belong to the game's random sequence.
    MoveSelector(currentLevel_, out);
    allSolved_ = ComputeAllSolved();
    DealInto(currentLevel_, out);
    return out;
}

void Game::FinishLevel(Outcome& out) {
    out.cues.push_back(Cue::Solved);
    levelSolved_ = true;
    out.solved = true;
    out.pages.push_back(Page::Won);
    if (solvedFlags_[currentLevel_ - 1] == 0) {
        solvedFlags_[currentLevel_ - 1] = 1;
    }
    out.flagsChanged = true;
    if (!allSolved_) {
        allSolved_ = ComputeAllSolved();
        if (allSolved_) {
            out.pages.push_back(Page::AllSolved);
        }
    }
}

Outcome Game::NextUnsolved(Direction direction) {
    Outcome out;
    const int n = LevelCount();
    const int step = static_cast<int>(direction);
    int k = currentLevel_;
    for (int i = 1; i < n; ++i) {
        k = (k - 1 + step + n) % n + 1;  // wraps round at either end
        if (!IsLevelSolved(k)) {
            DealInto(k, out);
            // Moving the selector deals level k a second time: that deal is
            // part of the game's random sequence.
            MoveSelector(k, out);
            return out;
        }
    }
    return out;
}

bool Game::NewGameAsks() const {
    // A solved level in play has nothing to give up, but the flags it clears
    // may be all the player has: asked then too, unless none is set.
    return LevelCount() > 0 && (!levelSolved_ || SolvedCount() > 0);
}

bool Game::RestartAsks() const {
    // Only while a swap of this deal stands on the board: one taken back to
    // its deal has nothing to lose.
    return LevelCount() > 0 && !levelSolved_ && history_->Done() > 0;
}

Outcome Game::NewGame() {
    Outcome out;
    if (LevelCount() == 0) {
        return out;
    }
    currentLevel_ = 1;
    // From any other level the selector deals level 1 here, and it is dealt
    // again below: both are part of the random sequence.
    MoveSelector(1, out);
    std::fill(solvedFlags_.begin(), solvedFlags_.begin() + LevelCount(), 0);
    DealInto(1, out);
    out.flagsChanged = true;
    return out;
}

Outcome Game::RestartLevel() {
    if (LevelCount() == 0) {
        return {};
    }
    return StartLevel(currentLevel_);
}

Outcome Game::SelectLevel(int p) {
    Outcome out;
    if (p < 1 || p > LevelCount()) {
        return out;
    }
    MoveSelector(p, out);
    return out;
}

}  // namespace zt
