// A window that keeps what the engine told it, for the engine tests.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "game.h"
#include "gametestaccess.h"

// A fitting level: a ring of four street curves in the top-left corner
// (right-bottom, left-bottom, top-right, top-left), the rest grass.
inline zt::LevelRecord Ring() {
    zt::LevelRecord rec{};
    rec[zt::CellIndex(0, 0)] = 7;
    rec[zt::CellIndex(1, 0)] = 6;
    rec[zt::CellIndex(0, 1)] = 4;
    rec[zt::CellIndex(1, 1)] = 5;
    return rec;
}

class FakeView : public zt::GameView {
public:
    zt::Game* game = nullptr;
    std::deque<zt::ModalResult> answers;  // for ShowPage; Ok when empty
    std::vector<zt::Page> pages;
    // Whether the level in play counted as solved, and was flagged so, as each page was shown.
    std::vector<std::pair<bool, bool>> solvedAtPage;
    std::vector<zt::Cue> cues;
    std::vector<std::string> reports;  // "damaged LEVEL C R TILE", "file FAULT ERROR PATH"
    int selectorMax = 0;
    int selectorPos = 1;  // a scroll bar starts at its minimum
    int cellsDrawn = 0;

    void DrawCell(int, int) override { ++cellsDrawn; }
    void PlayCue(zt::Cue cue) override { cues.push_back(cue); }
    zt::ModalResult ShowPage(zt::Page page) override {
        pages.push_back(page);
        if (game) {
            solvedAtPage.emplace_back(game->levelSolved(), game->IsLevelSolved(game->currentLevel()));
        }
        if (answers.empty()) {
            return zt::ModalResult::Ok;
        }
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
    void LevelSolvedChanged() override {}
    void UpdateCaption() override {}
    void DrawGauge() override {}
    void SetSelectorRange(int maximum) override { selectorMax = maximum; }
    // Like the scroll bar: a real change of position runs the change handling.
    void SetSelectorPosition(int position) override {
        if (position != selectorPos) {
            selectorPos = position;
            game->SelectLevel(position);
        }
    }
    void LevelDamaged(int level, zt::Cell cell, int tile) override {
        reports.push_back("damaged " + std::to_string(level) + " " + std::to_string(cell.c) + " " +
                          std::to_string(cell.r) + " " + std::to_string(tile));
    }
    void LevelFileFailed(zt::LevelFileFault fault, const std::string& path, int error) override {
        reports.push_back("file " + std::to_string(static_cast<int>(fault)) + " " + std::to_string(error) +
                          " " + path);
    }
    // Nothing drawn, asked, heard or reported since the last Clear.
    bool Quiet() const { return cellsDrawn == 0 && pages.empty() && cues.empty() && reports.empty(); }
    void Clear() {
        pages.clear();
        solvedAtPage.clear();
        cues.clear();
        reports.clear();
        cellsDrawn = 0;
    }
};
