// The frame that marks the board's cell for a player without a mouse: it
// stands on one cell, shows while the board has the focus, and moves with
// the arrow keys. It redraws the cells it leaves and comes to.
#pragma once

#include <functional>

namespace zt {

class KeyboardFrame {
public:
    explicit KeyboardFrame(std::function<void(int c, int r)> redrawCell)
        : redrawCell_(std::move(redrawCell)) {}

    int Col() const { return col_; }
    int Row() const { return row_; }
    bool Shown() const { return shown_; }
    bool On(int c, int r) const { return shown_ && c == col_ && r == row_; }

    void Place(int c, int r);
    // By (dc, dr), staying on the board.
    void Step(int dc, int dr);
    void Show(bool shown);

    // Called after every move of the frame, shown or not.
    std::function<void()> onMoved;

private:
    std::function<void(int, int)> redrawCell_;
    int col_ = 0;
    int row_ = 0;
    bool shown_ = false;
};

} // namespace zt
