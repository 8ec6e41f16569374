// What the engine asks of the window besides drawing: its sounds, the pages
// of the message dialog, and what it reports of the level file, in words.
#include <QAction>

#include "mainform.h"
#include "levelreports.h"
#include "msgbox.h"
#include "messagedialog.h"

namespace zt {

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

void TMainForm::LevelDamaged(int level, Cell cell, int tile) {
    ErrorBox(this, LevelDamagedText(level, cell, tile));
}

void TMainForm::LevelFileFailed(LevelFileFault fault, const std::string& path, int error) {
    ErrorBox(this, LevelFileText(fault, QString::fromStdString(path), error));
}

} // namespace zt
