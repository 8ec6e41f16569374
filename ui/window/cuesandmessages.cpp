// What the engine asks of the window besides drawing: its sounds, the pages
// of the message dialog, and its errors.
#include <QToolButton>

#include "mainform.h"
#include "msgbox.h"
#include "waveplayer.h"
#include "yesnodlg.h"

namespace zt {

void TMainForm::PlayCue(int cue) {
    if (!SoundBtn->isChecked()) {
        return;
    }
    if (cue == 0) {
        WavePlayer::Instance().Stop();
        return;
    }
    if (!MediaReady()) {
        return;
    }
    if (cue >= 1 && cue <= waves_.Count()) {
        waves_.Item(cue - 1).Wave.Play();
    }
}

ModalResult TMainForm::ShowPage(Page page) {
    if (!yesNoDlg_) {
        return ModalResult::None;
    }
    return yesNoDlg_->ShowModal(static_cast<unsigned>(page));
}

void TMainForm::ShowError(const std::string& text) {
    ErrorBox(this, QString::fromStdString(text));
}

} // namespace zt
