// What the engine answered, shown once and in the game's order: the board,
// the sounds, the screen reader, the won page, the caption and gauge, the
// page for the whole game solved; then the records learn of it.
#include <QAction>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

#include "boardaccessible.h"
#include "hintblink.h"
#include "mainform.h"
#include "levelreports.h"
#include "msgbox.h"
#include "messagedialog.h"
#include "recordkeeper.h"

namespace zt {

void TMainForm::Apply(const Outcome& out) {
    if (out.Nothing()) {
        return;
    }
    if (out.selector != 0) {
        // The engine has dealt what the selector's change would deal.
        const QSignalBlocker quiet(levelscroll);
        levelscroll->setValue(out.selector);
    }
    if (out.dealt || out.solved) {
        // Whatever was hinted no longer holds.
        hint_->End();
    }
    if (out.dealt) {
        // The frame starts on the new marked cell.
        if (game_.hasSelection()) {
            frame_.Place(game_.selCol(), game_.selRow());
        }
        for (int c = 0; c < Columns; ++c) {
            for (int r = 0; r < Rows; ++r) {
                DrawCell(c, r);
            }
        }
    }
    if (out.swapped) {
        hint_->End();
        DrawCell(out.swapped->to.c, out.swapped->to.r);
        DrawCell(out.swapped->from.c, out.swapped->from.r);
    }
    for (const Cue cue : out.cues) {
        PlayCue(cue);
    }
    // screen reader
    if (out.swapped) {
        boardAccess_->Exchanged(out.swapped->from, out.swapped->to, game_.IsSolved());
    }
    if (out.dealt) {
        boardAccess_->Dealt();
        par_ = -1;
    }
    // The texts follow the deal or the solve; the level display keeps the
    // level's old flag while the won page is up.
    if (out.dealt || out.solved) {
        ApplyLanguage();
    }
    for (const Page page : out.pages) {
        if (page == Page::AllSolved) {
            break;
        }
        ShowPage(page);
    }
    UpdateCaption();
    if (out.flagsChanged) {
        DrawGauge();
    }
    for (const Page page : out.pages) {
        if (page == Page::AllSolved) {
            ShowPage(page);
        }
    }
    if (records_) {
        if (out.dealt) {
            records_->Dealt();
        }
        if (out.solved) {
            records_->Solved();
        }
    }
    if (out.dealt) {
        // The hint's walk for par waits for the next turn of the event loop,
        // after everything else shows (and after the start's first paint).
        QTimer::singleShot(0, this, [this] {
            par_ = game_.DealHintCount();
            ShowCount();
        });
    }
    UpdateCommands();
    if (out.damaged) {
        ErrorBox(this, LevelDamagedText(out.damaged->level, out.damaged->cell, out.damaged->tile));
    }
}

void TMainForm::PlayCue(Cue cue) {
    // Before the first showing the sounds may still be on their way: a cue
    // then stays silent rather than waiting for them.
    if (!actions_[SoundCommand]->isChecked()) {
        return;
    }
    // The sound list holds the cues in their order: solved first, then the move.
    const int item = static_cast<int>(cue) - 1;
    if (item < waves_.Count()) {
        waves_.Item(item).Wave.Play();
    }
}

ModalResult TMainForm::ShowPage(Page page) {
    if (!yesNoDlg_) {
        return ModalResult::None;
    }
    return yesNoDlg_->ShowModal(static_cast<unsigned>(page));
}

void TMainForm::LevelFileFailed(LevelFileFault fault, const std::string& path, int error) {
    ErrorBox(this, LevelFileText(fault, QString::fromStdString(path), error));
}

} // namespace zt
