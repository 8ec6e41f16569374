// What the engine asks of the window. The main window implements it; the
// tests drive the engine through a recording fake.
#pragma once

#include <string>

namespace zt {

// Pages of the message dialog, by their numbers.
enum class Page : int { Won = 1, Restart = 2, Endgame = 3, Giveup = 4, TooSlow = 5, AllSolved = 6, GameOver = 7 };

// How a modal dialog ended.
enum class ModalResult : int { None = 0, Ok, Cancel, Yes, No };

class GameView {
public:
    virtual ~GameView() = default;

    // Draws the tile of cell (c, r) without the marker.
    virtual void DrawCell(int c, int r) = 0;
    // 1 = solved sound, 2 = move click; sounds only while the sound switch is on.
    virtual void PlayCue(int cue) = 0;
    // Shows a page of the message dialog modally and returns how it was closed.
    virtual ModalResult ShowPage(Page page) = 0;
    // LevelSolved has just been set: renew the texts (ApplyLanguage).
    virtual void LevelSolvedChanged() = 0;
    // Caption, and the level display with it.
    virtual void UpdateCaption() = 0;
    virtual void PaintLevelBox() = 0;
    virtual void DrawGauge() = 0;
    // The level selector. Setting a position that differs from the present one
    // runs the selector's change handling, which deals that level.
    virtual void SetSelectorRange(int maximum) = 0;
    virtual void SetSelectorPosition(int position) = 0;
    // The error box (caption "Fehler", one OK button).
    virtual void ShowError(const std::string& text) = 0;
};

}  // namespace zt
