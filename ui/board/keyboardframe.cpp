#include "keyboardframe.h"

#include <algorithm>

#include "game.h"

namespace zt {

void KeyboardFrame::Place(int c, int r) {
    if (c == col_ && r == row_) {
        return;
    }
    const int oldCol = col_;
    const int oldRow = row_;
    col_ = c;
    row_ = r;
    if (onMoved) {
        onMoved();
    }
    if (shown_) {
        redrawCell_(oldCol, oldRow);
        redrawCell_(c, r);
    }
}

void KeyboardFrame::Step(int dc, int dr) {
    Place(std::clamp(col_ + dc, 0, Columns - 1), std::clamp(row_ + dr, 0, Rows - 1));
}

void KeyboardFrame::Show(bool shown) {
    if (shown_ == shown) {
        return;
    }
    shown_ = shown;
    redrawCell_(col_, row_);
}

} // namespace zt
