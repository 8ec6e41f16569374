#include "mainform.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>

#include "aboutbox.h"
#include "ckform.h"
#include "defaultprogress.h"
#include "glyphs.h"
#include "helpwindow.h"
#include "msgbox.h"
#include "paintbox.h"
#include "splash.h"
#include "startwork.h"
#include "tonguedlg.h"
#include "waveplayer.h"
#include "yesnodlg.h"

namespace zt {

namespace {
const QString Common = QStringLiteral("common");
}

TMainForm::TMainForm(const QString& programDir, bool picturesLater)
    : game_(*this), picturesLater_(picturesLater), programDir_(programDir) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    BuildToolBar();
    BuildKeyboard();
    // A start-up error comes before the window has its icon.
    SetBoxIconSource(&GameIcon);
    // The components come to life before the creation handler runs.
    if (picturesLater_) {
        QTimer::singleShot(0, this, &TMainForm::FinishStart);
    } else {
        FinishStart();
        if (!TakeMedia(DecodeGameMedia())) {
            startFailed_ = true;
            return;
        }
    }
    ckForm_ = new TCKForm(this, &ini_);
    progress_.parent = this;
    progress_.game = &game_;
    progress_.progressPath = &progressPath_;
    progress_.updateCaption = [this] { UpdateCaption(); };
    progress_.drawGauge = [this] { DrawGauge(); };
    FormCreate();
}

void TMainForm::SetMedia(std::future<GameMedia> media) {
    pendingMedia_ = std::move(media);
}

void TMainForm::FinishStart() {
    if (startFinished_) {
        return;
    }
    startFinished_ = true;
    if (picturesLater_ && !pendingMedia_.valid()) {
        pendingMedia_ = BeginStartWork();
    }
    setWindowIcon(GameIcon());
    LoadGlyphs();
}

bool TMainForm::MediaReady() {
    if (!picturesLater_) {
        return !startFailed_;
    }
    picturesLater_ = false;
    GameMedia decoded = pendingMedia_.valid() ? pendingMedia_.get() : DecodeGameMedia();
    if (TakeMedia(std::move(decoded))) {
        return true;
    }
    // Found only now that the window is on its way: end the run at once,
    // without saving anything.
    startFailed_ = true;
    Timer->stop();
    emit StartAborted();
    return false;
}

bool TMainForm::TakeMedia(GameMedia decoded) {
    if (decoded.error.empty()) {
        bitmaps_ = std::move(decoded.bitmaps);
        waves_ = std::move(decoded.waves);
        // These share the lists' pixels, in whatever format they came.
        pictures1x_ = render::ExactPictures(bitmaps_.Item(0).Bitmap, bitmaps_.Item(1).Bitmap,
                                            bitmaps_.Item(2).Bitmap, 1);
        pictures_ = pictures1x_;
        return true;
    }
    const bool german = ini_.ReadNumber(Common, QStringLiteral("tongue"), -1) == 1;
    const QString what = QString::fromStdString(decoded.error);
    ErrorBox(nullptr, german ? QStringLiteral("Die Bilder und Klänge des Spiels sind "
                                              "beschädigt (%1). Programm wird beendet.")
                                   .arg(what)
                             : QStringLiteral("The game's pictures and sounds are damaged "
                                              "(%1). Program aborted.")
                                   .arg(what));
    return false;
}

void TMainForm::FormCreate() {
    firstTime_ = true;
    game_.SeedFromClock();
    ini_.RemoveLeftovers();
    game_.language = ini_.ReadNumber(Common, QStringLiteral("tongue"), -1);
    setFixedSize(520, ToolPanel->height() + 376);
    box->move(0, ToolPanel->height());

    offscreenCell_ = QImage(48, 48, QImage::Format_RGB32);
    if (offscreenCell_.isNull()) {
        ErrorBox(this, game_.German() ? QStringLiteral("Zuwenig Speicher! Programm wird beendet.")
                                      : QStringLiteral("Not enough memory! Program aborted."));
        startFailed_ = true;
        return;
    }
    const int storedLevel = ini_.ReadNumber(Common, QStringLiteral("level"), 1);
    game_.currentLevel = storedLevel;
    game_.solvedFlags.fill(0);
    // A stored path is kept as it is, even one into the program's folder.
    const QString defaultProgress = DefaultProgressPath(programDir_);
    progress_.programDir = FolderWithSeparator(defaultProgress);
    progressPath_ = UsableProgressPath(
        ini_.ReadText(Common, QStringLiteral("save"), defaultProgress), defaultProgress);
    progress_.StartUpRead();
    game_.LoadLevelLibrary((programDir_ + QStringLiteral("ztrn.dat")).toStdString());
    helpFile_ = programDir_ + QStringLiteral("ZTRN2.HLP");
    game_.StartUp(storedLevel);
    SoundBtn->setChecked(ini_.ReadFlag(Common, QStringLiteral("sound"), true));
    ApplyLanguage();
    markerFrame_ = 0;
    Timer->start();
}

void TMainForm::SetWindows(TSplash* splash, TYesNoDlg* yesNo, TAboutBox* about,
                           TTongueDlg* tongue) {
    splash_ = splash;
    yesNoDlg_ = yesNo;
    aboutBox_ = about;
    tongueDlg_ = tongue;
}

TMainForm::~TMainForm() {
    // The window's position is remembered before its own clean-up (a close
    // has remembered it already); a start that failed writes nothing.
    if (ckForm_ && !startFailed_ && !closing_) {
        ckForm_->SavePlacement();
    }
    FormDestroy();
}

void TMainForm::FormDestroy() {
    if (Timer) {
        Timer->stop();
    }
    game_.levels.clear();
    game_.levels.shrink_to_fit();
    offscreenCell_ = QImage();
}

void TMainForm::setVisible(bool visible) {
    if (visible && !isVisible() && ckForm_ && !ckForm_->ShowingNow()) {
        ckForm_->Open();
        return;
    }
    QWidget::setVisible(visible);
}

void TMainForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && firstTime_ &&
        !startFailed_) {
        FormActivate();
    }
}

// A main window that is shown is made the active window. Qt reports that
// activation later than the first expose on X11, which would always let the
// first paint win and never show the splash; so the first showing counts as
// the first activation.
void TMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The opening effect has run by now; the first paint needs the pictures.
    FinishStart();
    if (!MediaReady()) {
        return;
    }
    if (!event->spontaneous() && firstTime_ && !startFailed_) {
        FormActivate();
    }
}

void TMainForm::FormActivate() {
    firstTime_ = false;
    // Once the window and the title picture are drawn, what the start went
    // through is given back, and again when the title picture has gone.
    QTimer::singleShot(500, this, &ReturnFreedMemory);
    // Leave the activation first: the dialogs run their own event loops.
    QTimer::singleShot(0, this, [this] {
        if (splash_) {
            splash_->exec();
            ReturnFreedMemory();
        }
        if (game_.language == -1 && tongueDlg_) {
            tongueDlg_->exec();
        }
    });
}

void TMainForm::FirstPaintStep() {
    game_.SetLevelSolved(game_.levelSolved);
    SetSelectorPosition(game_.currentLevel);
    firstTime_ = false;
}

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
    ini_.BeginUpdate();
    ini_.WriteFlag(Common, QStringLiteral("sound"), SoundBtn->isChecked());
    ini_.WriteNumber(Common, QStringLiteral("level"), game_.currentLevel);
    ini_.WriteNumber(Common, QStringLiteral("tongue"), game_.language);
    ini_.WriteText(Common, QStringLiteral("save"), progressPath_);
    if (ckForm_) {
        ckForm_->SavePlacement();
    }
    ini_.EndUpdate();
}

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

void TMainForm::SetSelectorRange(int maximum) {
    // With no level at all there is nothing to select.
    levelscroll->setEnabled(maximum >= 1);
    levelscroll->setRange(1, std::max(1, maximum));
}

void TMainForm::SetSelectorPosition(int position) {
    // The change handling deals the level: it must run for the program's own
    // changes just as for the player's.
    levelscroll->setValue(position);
}

void TMainForm::levelScrollChange(int position) {
    game_.SelectLevel(position);
}

void TMainForm::NewGameBtnClick() {
    game_.NewGame();
}

void TMainForm::RestartBtnClick() {
    game_.RestartLevel();
}

void TMainForm::TongueBtnClick() {
    if (tongueDlg_) {
        tongueDlg_->exec();
    }
    ApplyLanguage();
}

void TMainForm::rules() {
    if (!help_) {
        help_ = std::make_unique<HelpWindow>();
    }
    help_->StandOver(this);
    help_->ShowTopic(helpFile_, RulesTopic(game_.language), game_.German());
}

void TMainForm::info() {
    if (aboutBox_) {
        aboutBox_->exec();
    }
}

} // namespace zt
