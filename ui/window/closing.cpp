// Closing the main window: the question, then the save dialog and the
// settings written in one go.
#include <QCloseEvent>
#include <QToolButton>

#include "ckform.h"
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
    FormClose();
    event->accept();
    emit Closed();
}

bool TMainForm::FormCloseQuery() {
    return ShowPage(Page::Endgame) == ModalResult::Yes;
}

void TMainForm::FormClose() {
    if (help_) {
        help_->close();
    }
    progress_.SaveProgress();
    // One rewrite of the store for all that closing remembers, the window's
    // position included: a large settings file would otherwise be written
    // out once per value.
    const QString common = QStringLiteral("common");
    ini_.BeginUpdate();
    ini_.WriteFlag(common, QStringLiteral("sound"), SoundBtn->isChecked());
    ini_.WriteNumber(common, QStringLiteral("level"), game_.currentLevel());
    ini_.WriteNumber(common, QStringLiteral("tongue"), static_cast<int>(game_.language()));
    ini_.WriteText(common, QStringLiteral("save"), progressPath_);
    if (ckForm_) {
        ckForm_->SavePlacement();
    }
    ini_.EndUpdate();
}

} // namespace zt
