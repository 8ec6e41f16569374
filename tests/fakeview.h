// A window that records what the engine asks of it, for the engine tests.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "game.h"

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
    std::vector<std::string> calls;
    std::deque<zt::ModalResult> answers;  // for ShowPage; Ok when empty
    std::vector<zt::Page> pages;
    std::vector<std::string> errors;
    std::vector<int> cues;
    int selectorMax = 0;
    int selectorPos = 1;  // a scroll bar starts at its minimum
    int deals = 0;        // how often all 63 cells were drawn in a row
    int cellsDrawn = 0;

    void DrawCell(int c, int r) override {
        calls.push_back("cell " + std::to_string(c) + " " + std::to_string(r));
        if (++cellsDrawn % zt::CellCount == 0 && c == 8 && r == 6) {
            ++deals;
        }
    }
    void PlayCue(int cue) override {
        cues.push_back(cue);
        calls.push_back("cue " + std::to_string(cue));
    }
    zt::ModalResult ShowPage(zt::Page page) override {
        pages.push_back(page);
        calls.push_back("page " + std::to_string(static_cast<int>(page)));
        if (answers.empty()) {
            return zt::ModalResult::Ok;
        }
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
    void LevelSolvedChanged() override { calls.push_back("solved-changed"); }
    void UpdateCaption() override { calls.push_back("caption"); }
    void PaintLevelBox() override { calls.push_back("levelbox"); }
    void DrawGauge() override { calls.push_back("gauge"); }
    void SetSelectorRange(int maximum) override { selectorMax = maximum; }
    // Like the scroll bar: a real change of position runs the change handling.
    void SetSelectorPosition(int position) override {
        if (position != selectorPos) {
            selectorPos = position;
            game->SelectLevel(position);
        }
    }
    void ShowError(const std::string& text) override {
        errors.push_back(text);
        calls.push_back("error");
    }
    void Clear() {
        calls.clear();
        pages.clear();
        cues.clear();
        deals = 0;
        cellsDrawn = 0;
    }
};
