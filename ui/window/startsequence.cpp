// The main window's start, as one ordered list of steps, and its end.
//
// The window is made, its components come to life, and the creation handler
// FormCreate reads the settings, the progress file and the levels and deals.
// With picturesLater, what the first outline of the opening effect does not
// need waits: the pictures and sounds are decoded on a second thread from
// the event loop's first turn (while the effect plays) and taken when the
// window is first shown. Then the first activation shows the splash and,
// while no language has been chosen, asks for one.
#include "mainform.h"

#include <QAction>
#include <QFrame>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>
#include <iterator>

#include "windowplacement.h"
#include "defaultprogress.h"
#include "glyphs.h"
#include "helpwindow.h"
#include "msgbox.h"
#include "paintbox.h"
#include "recordkeeper.h"
#include "splash.h"
#include "mediadecoding.h"
#include "texts.h"
#include "languagedialog.h"

namespace zt {

namespace {

const QString Common = QStringLiteral("common");


} // namespace

TMainForm::TMainForm(const QString& programDir, bool picturesLater, const QString& progressFile)
    : game_(*this), picturesLater_(picturesLater), programDir_(programDir),
      progressPath_(progressFile), frame_([this](int c, int r) { RedrawCell(c, r); }) {
    RunStartSteps(StartPoint::Made);
    if (picturesLater_ && !startFailed_) {
        QTimer::singleShot(0, this, [this] { RunStartSteps(StartPoint::FirstTurn); });
    }
}

void TMainForm::RunStartSteps(StartPoint reached) {
    struct Step {
        StartPoint at;
        bool (TMainForm::*run)(); // false: the start cannot go on
    };
    // The start, in order. A step runs once: at its point, or earlier when a
    // later point comes first (a window shown before the event loop has
    // turned). With the pictures later, they are decoded while the opening
    // effect plays and taken at the first showing.
    static constexpr Step now[] = {
        {StartPoint::Made, &TMainForm::BuildControls},
        {StartPoint::Made, &TMainForm::DecodePicturesNow},
        {StartPoint::Made, &TMainForm::AttachComponents},
        {StartPoint::Made, &TMainForm::FormCreate},
        {StartPoint::ActiveOrPainted, &TMainForm::FirstActivation},
    };
    static constexpr Step later[] = {
        {StartPoint::Made, &TMainForm::BuildControls},
        {StartPoint::Made, &TMainForm::AttachComponents},
        {StartPoint::Made, &TMainForm::FormCreate},
        {StartPoint::FirstTurn, &TMainForm::DecodePicturesAside},
        {StartPoint::Shown, &TMainForm::TakePicturesDecodedAside},
        {StartPoint::ActiveOrPainted, &TMainForm::FirstActivation},
    };
    const Step* steps = picturesLater_ ? later : now;
    const int count = picturesLater_ ? int(std::size(later)) : int(std::size(now));
    while (!startFailed_ && nextStartStep_ < count && steps[nextStartStep_].at <= reached) {
        const Step& step = steps[nextStartStep_++];
        if (!(this->*step.run)()) {
            startFailed_ = true;
        }
    }
}

bool TMainForm::BuildControls() {
    setObjectName(QStringLiteral("MainForm"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    BuildToolBar();
    BuildActions();
    // A start-up error comes before the window has its icon.
    SetBoxIconSource(&GameIcon);
    return true;
}

bool TMainForm::DecodePicturesNow() {
    ShowButtonPictures();
    return TakeMedia(DecodeGameMedia());
}

bool TMainForm::AttachComponents() {
    ckForm_ = new TCKForm(this, &ini_);
    progress_.parent = this;
    progress_.game = &game_;
    progress_.progressPath = &progressPath_;
    progress_.updateCaption = [this] { UpdateCaption(); };
    progress_.drawGauge = [this] { DrawGauge(); };
    return true;
}

bool TMainForm::FormCreate() {
    game_.SeedFromClock();
    game_.SetLanguage(static_cast<Language>(ini_.ReadNumber(Common, QStringLiteral("tongue"), -1)));
    OpenAtRememberedSize();

    offscreenCell_ = QImage(render::CellSize, render::CellSize, QImage::Format_RGB32);
    if (offscreenCell_.isNull()) {
        ErrorBox(this, tr("Not enough memory! Program aborted."));
        return false;
    }
    const int storedLevel = ini_.ReadNumber(Common, QStringLiteral("level"), 1);
    // A stored path is kept as it is, even one into the program's folder.
    const QString defaultProgress = DefaultProgressPath(programDir_);
    progress_.programDir = FolderWithSeparator(defaultProgress);
    if (progressPath_.isEmpty()) { // else the file named at the start
        progressPath_ = UsableProgressPath(
            ini_.ReadText(Common, QStringLiteral("save"), defaultProgress), defaultProgress);
    }
    progress_.StartUpRead();
    game_.LoadLevelLibrary((programDir_ + QStringLiteral("ztrn.dat")).toStdString());
    helpFile_ = programDir_ + QStringLiteral("ZTRN2.HLP");
    // Before the first deal, which it times.
    records_ = std::make_unique<RecordKeeper>(
        this, game_, [this] { return pictures_; },
        [this](int level) { levelscroll->setValue(level); }, &ini_);
    SetSelectorRange(game_.LevelCount());
    Apply(game_.StartUp(storedLevel));
    actions_[SoundCommand]->setChecked(ini_.ReadFlag(Common, QStringLiteral("sound"), true));
    ApplyLanguage();
    markerFrame_ = 0;
    Timer->start();
    return true;
}

bool TMainForm::DecodePicturesAside() {
    if (!pendingMedia_.valid()) {
        pendingMedia_ = BeginStartWork();
    }
    ShowButtonPictures();
    return true;
}

bool TMainForm::TakePicturesDecodedAside() {
    GameMedia decoded = pendingMedia_.valid() ? pendingMedia_.get() : DecodeGameMedia();
    if (TakeMedia(std::move(decoded))) {
        return true;
    }
    // Found only now that the window is on its way: end the run at once,
    // without saving anything.
    Timer->stop();
    emit StartAborted();
    return false;
}

void TMainForm::ShowButtonPictures() {
    setWindowIcon(GameIcon());
    LoadGlyphs();
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
    // Before the deal the game may not speak its language yet: the stored one.
    const auto stored = static_cast<Language>(ini_.ReadNumber(Common, QStringLiteral("tongue"), -1));
    ErrorBox(nullptr, TextIn(stored, "zt::TMainForm",
                             QT_TR_NOOP("The game's pictures and sounds are damaged (%1). "
                                        "Program aborted."))
                          .arg(QString::fromStdString(decoded.error)));
    return false;
}


void TMainForm::SetMedia(std::future<GameMedia> media) {
    pendingMedia_ = std::move(media);
}

void TMainForm::SetWindows(TSplash* splash, TYesNoDlg* yesNo, TAboutBox* about,
                           TTongueDlg* tongue) {
    splash_ = splash;
    yesNoDlg_ = yesNo;
    aboutBox_ = about;
    tongueDlg_ = tongue;
}

void TMainForm::setVisible(bool visible) {
    if (visible && !isVisible() && ckForm_ && !ckForm_->ShowingNow()) {
        ckForm_->Open();
        return;
    }
    QWidget::setVisible(visible);
}

// A main window that is shown is made the active window. Qt reports that
// activation later than the first expose on X11, which would always let the
// first paint win and never show the splash; so the first showing counts as
// the first activation.
void TMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The opening effect has run by now; the first paint needs the pictures.
    RunStartSteps(event->spontaneous() ? StartPoint::Shown : StartPoint::ActiveOrPainted);
}

void TMainForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        RunStartSteps(StartPoint::ActiveOrPainted);
    }
}

void TMainForm::FirstPaint() {
    paintedFirst_ = true;
    RunStartSteps(StartPoint::ActiveOrPainted);
}

bool TMainForm::FirstActivation() {
    startedUp_ = true;
    if (paintedFirst_) {
        FirstPaintStep();
    } else {
        FormActivate();
    }
    return true;
}

void TMainForm::FormActivate() {
    // Leave the activation first: the dialogs run their own event loops.
    QTimer::singleShot(0, this, [this] {
        if (splash_) {
            splash_->exec();
        }
        if (game_.language() == Language::NotChosen && tongueDlg_) {
            tongueDlg_->exec();
        }
    });
}

// The first paint before any activation: what the first activation would
// have renewed.
void TMainForm::FirstPaintStep() {
    ApplyLanguage();
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
    offscreenCell_ = QImage();
}

} // namespace zt
