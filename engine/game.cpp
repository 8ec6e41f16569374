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

void Game::StartLevel(int n) {
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

    for (int c = 0; c < Columns; ++c) {
        for (int r = 0; r < Rows; ++r) {
            view_.DrawCell(c, r);
        }
    }
    SetLevelSolved(false);
    view_.UpdateCaption();

    if (auto fault = FindBadTile(record)) {
        damagedReported_.resize(LevelCount(), false);
        if (!damagedReported_[n - 1]) {
            damagedReported_[n - 1] = true;
            view_.LevelDamaged(n, fault->cell, fault->tile);
        }
    }
}

void Game::boxMouseDown(Cell cell) {
    if (!hasSelection_ || !OnBoard(cell) || (cell.c == selCol_ && cell.r == selRow_)) {
        return;
    }
    std::uint8_t t = TileAt(cell.c, cell.r);
    if (!IsMovable(t)) {
        return;
    }
    history_->Record({{selCol_, selRow_}, cell});
    MoveMarkerTo(cell);
}

void Game::MoveMarkerTo(Cell to) {
    Cell old{selCol_, selRow_};
    ExchangeTiles(board_, {old, to});
    selCol_ = to.c;
    selRow_ = to.r;
    view_.PlayCue(Cue::Move);
    view_.DrawCell(selCol_, selRow_);
    view_.DrawCell(old.c, old.r);
    view_.MarkerMoved(old, to);
    if (IsSolved()) {
        FinishLevel();
    }
}

void Game::Undo() {
    if (levelSolved_ || !hasSelection_) {
        return; // a solved level stays solved
    }
    if (auto swap = history_->Undo()) {
        MoveMarkerTo(swap->from);
    }
}

void Game::Redo() {
    if (levelSolved_ || !hasSelection_) {
        return;
    }
    if (auto swap = history_->Redo()) {
        MoveMarkerTo(swap->to);
    }
}

std::optional<Cell> Game::Hint() {
    if (levelSolved_ || !hasSelection_ || IsSolved() || currentLevel_ < 1 ||
        currentLevel_ > LevelCount()) {
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

void Game::SetLevelSolved(bool solved) {
    levelSolved_ = solved;
    view_.LevelSolvedChanged();
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

void Game::StartUp(int storedLevel) {
    if (LevelCount() == 0) {
        // Nothing to deal. Keep the stored level so that it is written back
        // unchanged, and leave an empty board without a marker.
        currentLevel_ = storedLevel;
        board_.fill(0);
        hasSelection_ = false;
        allSolved_ = false;
        view_.SetSelectorRange(0);
            SetLevelSolved(false);
        view_.UpdateCaption();
        return;
    }
    currentLevel_ = std::clamp(storedLevel, 1, LevelCount());
    view_.SetSelectorRange(LevelCount());
    // A selector standing elsewhere deals the stored level through its change
    // handling, and StartLevel below deals it again: both deals belong to the
    // game's random sequence.
    view_.SetSelectorPosition(currentLevel_);
    allSolved_ = ComputeAllSolved();
    StartLevel(currentLevel_);
}

void Game::FinishLevel() {
    view_.PlayCue(Cue::Solved);
    SetLevelSolved(true);
    view_.ShowPage(Page::Won);
    if (solvedFlags_[currentLevel_ - 1] == 0) {
        solvedFlags_[currentLevel_ - 1] = 1;
    }
    view_.UpdateCaption();
    view_.DrawGauge();
    if (!allSolved_) {
        allSolved_ = ComputeAllSolved();
        if (allSolved_) {
            view_.ShowPage(Page::AllSolved);
        }
    }
}

void Game::NextUnsolved(Direction direction) {
    const int n = LevelCount();
    const int step = static_cast<int>(direction);
    int k = currentLevel_;
    for (int i = 1; i < n; ++i) {
        k = (k - 1 + step + n) % n + 1;  // wraps round at either end
        if (!IsLevelSolved(k)) {
            StartLevel(k);
            // Moving the selector runs its change handling, which deals level k
            // a second time: that deal is part of the game's random sequence.
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
    // A solved level in play has nothing to give up, but the flags it clears
    // may be all the player has: asked then too, unless none is set.
    if ((!levelSolved_ || SolvedCount() > 0) &&
        view_.ShowPage(Page::Giveup) == ModalResult::No) {
        return;
    }
    currentLevel_ = 1;
    // From any other level the selector's change handling deals level 1 here,
    // and StartLevel below deals it again: both are part of the random sequence.
    view_.SetSelectorPosition(1);
    std::fill(solvedFlags_.begin(), solvedFlags_.begin() + LevelCount(), 0);
    StartLevel(1);
    view_.UpdateCaption();
    view_.DrawGauge();
}

void Game::RestartLevel() {
    if (LevelCount() == 0) {
        return;
    }
    // Asked only while a swap of this deal stands on the board: one taken
    // back to its deal has nothing to lose.
    if (!levelSolved_ && history_->Done() > 0 &&
        view_.ShowPage(Page::Restart) == ModalResult::No) {
        return;
    }
    StartLevel(currentLevel_);
}

void Game::SelectLevel(int p) {
    if (p < 1 || p > LevelCount()) {
        return;
    }
    StartLevel(p);
    view_.UpdateCaption();
}

}  // namespace zt
