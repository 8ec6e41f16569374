// Closing the main window: the question, then the save dialog (and, when it
// saved nothing, the question about levels solved since the last save) and
// the settings written in one go.
#include <QCloseEvent>
#include <QAction>

#include "windowplacement.h"
#include "helpwindow.h"
#include "mainform.h"

namespace zt {

void TMainForm::closeEvent(QCloseEvent* event) {
    if (closing_ || startFailed_) {
        event->accept();
        return;
    }
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    closing_ = true;
    if (!FormClose()) {
        closing_ = false;
        event->ignore();
        return;
    }
    event->accept();
    emit Closed();
}

bool TMainForm::FormCloseQuery() {
    return ShowPage(Page::Endgame) == ModalResult::Yes;
}

bool TMainForm::FormClose() {
    const bool helpOpen = help_ && help_->isVisible();
    if (help_) {
        help_->close();
    }
    progress_.SaveProgress();
    // A save dialog left without saving must not take solved levels along
    // unasked: the player may still stay and save them.
    if (!progress_.QuitDespiteUnsavedSolves()) {
        if (helpOpen) {
            help_->show();
        }
        return false;
    }
    // One rewrite of the store for all that closing remembers, the window's
    // position included: a large settings file would otherwise be written
    // out once per value.
    const QString common = QStringLiteral("common");
    ini_.BeginUpdate();
    ini_.WriteFlag(common, QStringLiteral("sound"), actions_[SoundCommand]->isChecked());
    ini_.WriteNumber(common, QStringLiteral("level"), game_.currentLevel());
    ini_.WriteNumber(common, QStringLiteral("tongue"), static_cast<int>(game_.language()));
    ini_.WriteText(common, QStringLiteral("save"), progressPath_);
    if (ckForm_) {
        ckForm_->SavePlacement();
    }
    RememberZoom();
    ini_.EndUpdate();
    return true;
}

} // namespace zt
