// A window that keeps what the engine answered, for the engine tests: it asks
// what a window asks before an operation, and takes every outcome as the
// window applies it.
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

// The player's answer to a question: only No stops the operation.
enum class Answer { Ok, Cancel, Yes, No };

class FakeView : public zt::GameView {
public:
    zt::Game* game = nullptr;
    std::deque<Answer> answers;  // Ok when empty
    std::vector<zt::Page> pages;      // the questions asked and the pages shown
    std::vector<zt::Cue> cues;
    std::vector<std::string> reports;  // "damaged LEVEL C R TILE", "file FAULT ERROR PATH"
    int selectorPos = 1;  // a scroll bar starts at its minimum
    int cellsDrawn = 0;

    zt::Outcome Take(zt::Outcome out) {
        cues.insert(cues.end(), out.cues.begin(), out.cues.end());
        pages.insert(pages.end(), out.pages.begin(), out.pages.end());
        cellsDrawn += (out.dealt ? zt::CellCount : 0) + (out.swapped ? 2 : 0);
        if (out.selector != 0) {
            selectorPos = out.selector;
        }
        if (out.damaged) {
            reports.push_back("damaged " + std::to_string(out.damaged->level) + " " +
                              std::to_string(out.damaged->cell.c) + " " +
                              std::to_string(out.damaged->cell.r) + " " +
                              std::to_string(out.damaged->tile));
        }
        return out;
    }
    // The tool bar's new game and restart: the question first, then the operation.
    void NewGame() {
        if (!game->NewGameAsks() || Ask(zt::Page::Giveup)) {
            Take(game->NewGame());
        }
    }
    void RestartLevel() {
        if (!game->RestartAsks() || Ask(zt::Page::Restart)) {
            Take(game->RestartLevel());
        }
    }
    // Like the scroll bar: only a real change of position reaches the game.
    void SetSelectorPosition(int position) {
        if (position != selectorPos) {
            selectorPos = position;
            Take(game->SelectLevel(position));
        }
    }
    void LevelFileFailed(zt::LevelFileFault fault, const std::string& path, int error) override {
        reports.push_back("file " + std::to_string(static_cast<int>(fault)) + " " + std::to_string(error) +
                          " " + path);
    }
    // Nothing drawn, asked, heard or reported since the last Clear.
    bool Quiet() const { return cellsDrawn == 0 && pages.empty() && cues.empty() && reports.empty(); }
    void Clear() {
        pages.clear();
        cues.clear();
        reports.clear();
        cellsDrawn = 0;
    }

private:
    bool Ask(zt::Page page) {
        pages.push_back(page);
        const Answer a = answers.empty() ? Answer::Ok : answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return a != Answer::No;
    }
};
