// Playing the board without the mouse: the board in the focus chain, the
// frame that marks a cell, and the keys that move it and swap.
#include <QEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>

#include "boardaccessible.h"
#include "mainform.h"
#include "paintbox.h"
#include "recordkeeper.h"
#include "render.h"

namespace zt {

void TMainForm::BuildBoardKeys() {
    // Tab leads from the selector to the board and back. A click does not
    // take the focus, so the mouse player's selector keys stay where they were.
    box->setFocusPolicy(Qt::TabFocus);
    setTabOrder(levelscroll, box);
    box->installEventFilter(this);
    BuildHintKeys();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box) {
        switch (event->type()) {
        case QEvent::FocusIn:
            ShowFocusFrame(true);
            boardAccess_->FocusEntered(); // screen reader
            break;
        case QEvent::FocusOut:
            ShowFocusFrame(false);
            break;
        case QEvent::KeyPress:
            if (boxKeyDown(static_cast<QKeyEvent*>(event)->key())) {
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool TMainForm::boxKeyDown(int key) {
    switch (key) {
    case Qt::Key_Left:
        PlaceFocusFrame(std::max(frameCol_ - 1, 0), frameRow_);
        return true;
    case Qt::Key_Right:
        PlaceFocusFrame(std::min(frameCol_ + 1, Columns - 1), frameRow_);
        return true;
    case Qt::Key_Up:
        PlaceFocusFrame(frameCol_, std::max(frameRow_ - 1, 0));
        return true;
    case Qt::Key_Down:
        PlaceFocusFrame(frameCol_, std::min(frameRow_ + 1, Rows - 1));
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // The framed cell, just as a click on it.
        game_.boxMouseDown({frameCol_, frameRow_});
        return true;
    }
    default:
        return false;
    }
}

void TMainForm::PlaceFocusFrame(int c, int r) {
    if (c == frameCol_ && r == frameRow_) {
        return;
    }
    const int oldCol = frameCol_;
    const int oldRow = frameRow_;
    frameCol_ = c;
    frameRow_ = r;
    boardAccess_->FrameMoved(); // screen reader
    if (frameShown_) {
        RedrawCell(oldCol, oldRow);
        RedrawCell(c, r);
    }
}

void TMainForm::ShowFocusFrame(bool shown) {
    if (frameShown_ == shown) {
        return;
    }
    frameShown_ = shown;
    RedrawCell(frameCol_, frameRow_);
}

void TMainForm::RedrawCell(int c, int r) {
    if (game_.hasSelection() && c == game_.selCol() && r == game_.selRow()) {
        DrawSelectedCell();
    } else {
        DrawCell(c, r);
    }
}

void TMainForm::LevelSolvedChanged() {
    // A deal or a solved board: whatever was hinted no longer holds.
    EndHint();
    // Only a deal leaves the level unsolved before any move: the frame
    // starts on the new marked cell.
    if (!game_.levelSolved() && !game_.movedFlag() && game_.hasSelection()) {
        PlaceFocusFrame(game_.selCol(), game_.selRow());
    }
    if (!game_.levelSolved() && !game_.movedFlag()) {
        boardAccess_->Dealt(); // screen reader
    }
    ApplyLanguage();
    if (records_) {
        records_->LevelSolvedChanged();
    }
}

} // namespace zt
