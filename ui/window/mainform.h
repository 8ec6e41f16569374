// The main window: tool bar, board area, start-up and shutdown. It is the
// window the puzzle engine draws through and asks its questions in.
//
// One class, its code in files by what it does: startsequence.cpp (the
// start as one ordered list of steps, and the end), toolbar.cpp (the
// controls), actions.cpp (every command with its keys and texts, and what
// it does), languagetexts.cpp (the caption and the level's words),
// boarddrawing.cpp and screenratio.cpp (what the board and the level display
// show), cuesandmessages.cpp (sounds, message pages, errors), closing.cpp
// (the question and what is saved).
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <array>
#include <map>
#include <memory>

#include "game.h"
#include "keyboardframe.h"
#include "settingsstore.h"
#include "medialists.h"
#include "progress.h"
#include "progressflow.h"
#include "messagedialog.h"
#include "layout.h"
#include "render.h"
#include "mediadecoding.h"

class QAction;
class QFrame;
class QLabel;
class QScrollBar;
class QTimer;
class QToolButton;

namespace zt {

class BoardAccessibility;
class HelpWindow;
class HintBlink;
class BoardRim;
class PaintBox;
class RecordKeeper;
class TAboutBox;
class TCKForm;
class TCKSimpleLabel;
class TSplash;
class TTongueDlg;
class TYesNoDlg;

class TMainForm : public QWidget, public GameView {
    Q_OBJECT
    friend struct TestSeam;

public:
    // programDir: the folder of the level file, the help file and (where the
    // player may write there) the default progress file, with a trailing
    // separator. With picturesLater what the
    // first outline of the opening effect does not need waits for the first
    // turn of the event loop, which comes while the effect plays: the
    // pictures, sounds and fonts are then readied on a second thread (unless
    // SetMedia() handed them over) and taken when the window is first shown,
    // and the window and its buttons get their pictures.
    // progressFile: a progress file the player named when starting the game,
    // read and used instead of the remembered one.
    explicit TMainForm(const QString& programDir, bool picturesLater = false,
                       const QString& progressFile = {});
    ~TMainForm() override;

    // Start-up could not go on (the pictures or the off-screen cell); the
    // message has been shown and the program should end without saving.
    bool StartFailed() const { return startFailed_; }
    void SetWindows(TSplash* splash, TYesNoDlg* yesNo, TAboutBox* about, TTongueDlg* tongue);
    // The pictures and sounds being decoded (BeginStartWork).
    void SetMedia(std::future<GameMedia> media);

    // What the engine tells the window outside its answers.
    void LevelFileFailed(LevelFileFault fault, const std::string& path, int error) override;
    void LanguageChanged(Language language) override;

    // Shows what an operation of the engine changed, once (outcome.cpp).
    void Apply(const Outcome& out);
    // Draws the tile of cell (c, r) without the marker.
    void DrawCell(int c, int r);
    void PlayCue(Cue cue);
    // Shows a page of the message dialog modally and returns how it was closed.
    ModalResult ShowPage(Page page);
    // Caption, and the level display with it, as the game now stands.
    void UpdateCaption();
    void DrawGauge();
    // The caption and the level display as last updated.
    void ShowCaption();

    void ApplyLanguage();
    void DrawBackground();
    void DrawSelectedCell();
    void levelboxPaint();
    void TimerTimer();
    void boxPaint();

    Game& game() { return game_; }

    // The scale the window is laid out at, in per cent (zoom.cpp): the zoom
    // keys step through 100, 125, 150, 175, 200, 250 and 300, and a dragged
    // window takes any between. SetZoom sizes the window for the largest
    // percent at or below the one asked that fits the screen, keeping its
    // centre on the screen.
    int Zoom() const { return qRound(scale_ * 100); }
    void SetZoom(int percent);
    // A progress file named by a later start of the game: loaded as the open
    // dialog's choice would be, once no dialog of the game stands open.
    void OpenProgressFile(const QString& path) { progress_.LoadHandedOver(path); }

    // A request to show the window opens it through CKForm1: placed, then
    // the opening effect, then shown.
    void setVisible(bool visible) override;


signals:
    // The pictures or sounds turned out damaged after the window was shown;
    // the message has been shown and the program should end without saving.
    void StartAborted();
    // The window has closed for good: the program may end.
    void Closed();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The start, step by step (startsequence.cpp): up to and including the
    // steps of the point reached (StartPoint).
    // When a step may run at the earliest. The first activation and the first
    // paint are one point: whichever comes first reaches it.
    enum class StartPoint { Made, FirstTurn, Shown, ActiveOrPainted };
    void RunStartSteps(StartPoint reached);
    bool BuildControls();
    bool DecodePicturesNow();
    bool AttachComponents();
    bool FormCreate();
    bool DecodePicturesAside();
    bool TakePicturesDecodedAside();
    // The first activation, or the first paint when it comes before: the
    // splash and the language question, or what they would have renewed.
    bool FirstActivation();
    bool TakeMedia(GameMedia decoded);
    void ShowButtonPictures();
    // The board's first paint reaches the first activation's step.
    void FirstPaint();
    void FormActivate();
    void FirstPaintStep();
    void FormDestroy();

    // The tool bar (toolbar.cpp).
    void BuildToolBar();
    // The tool bar buttons' pictures.
    void LoadGlyphs();

    // Every command the player can give, with its keys and texts (actions.cpp).
    enum Command {
        NewGameCommand, RestartCommand, LoadCommand, SaveCommand, SoundCommand, QuitCommand,
        PreviousUnsolvedCommand, NextUnsolvedCommand, LanguageCommand, RulesCommand,
        AboutCommand, WebCommand, UndoCommand, RedoCommand, HintCommand, FrameLeftCommand,
        FrameRightCommand, FrameUpCommand, FrameDownCommand, SwapCommand, BrowseCommand,
        ZoomInCommand, ZoomOutCommand, ZoomResetCommand, CommandCount
    };
    void BuildActions();
    // The actions' tool tips and screen-reader texts in the game's language.
    void DescribeActions();
    // The names and descriptions a screen reader reads.
    void DescribeControl(QWidget* control, const QString& hint, const QAction* action);
    void DescribeLevel(const QString& hint);

    // The board for a screen reader (boardaccess.cpp): made with the board,
    // before anything asks for its interface.
    void AttachBoardAccessibility();

    // A cell as it stands: the selected one with its marker.
    void RedrawCell(int c, int r);
    // Drawing (boarddrawing.cpp, screenratio.cpp).
    void DrawFocusFrameOn(QImage& image, QPoint at, int c, int r) const;
    void UndoSwap();
    void RedoSwap();
    void ShowHint();
    // The commands that can do something now are enabled.
    void UpdateCommands();
    // The hint's words for a screen reader go with it.
    void HintEnded();

    // The rim's buttons, and its count of the deal: swaps, par and time.
    void BuildRim();
    void ShowCount();
    // Whether there is anything to draw with yet: while the window is hidden
    // the pictures may still be on their way, and its first showing paints
    // everything anyway.
    bool HasPictures() const { return !pictures_.IsNull(); }
    // Draws from here on at the device pixel ratio of the window's screen:
    // picks or makes the pictures for it and sizes the backing images, which
    // then ask for a full paint.
    void UseScreenRatio();
    render::Pictures PicturesFor(qreal ratio);
    // Decodes the set with `times` the pixels into densePictures_ unless it is
    // there (0: lets it go); whether it could be read.
    bool UseDensePictures(int times);

    // Sizes (zoom.cpp).
    QSize ScreenRoom() const;
    int FittingZoom(int percent) const;
    // Whether a zoom step in that direction is there and fits the screen.
    bool CanZoom(int steps) const;
    void ZoomBy(int steps);
    // The scale in the settings, and the window's size, as the next start
    // opens at them.
    void RememberZoom();
    void OpenAtRememberedSize();
    // Every control placed for the window's size, and the pictures for it.
    void LayOut();

    // Closing (closing.cpp).
    bool FormCloseQuery();
    // False when the player chose to stay after all: nothing is written.
    bool FormClose();

    // What the tool bar's controls do (toolbar.cpp).
    void NewGameBtnClick();
    void RestartBtnClick();
    void TongueBtnClick();
    void rules();
    void info();
    void levelScrollChange(int position);
    // The selector's levels, without dealing.
    void SetSelectorRange(int maximum);

    Game game_;
    TCKIniCtrl ini_;
    TCKBitmapList bitmaps_;
    TCKWaveList waves_;
    std::future<GameMedia> pendingMedia_;
    bool picturesLater_ = false;
    int nextStartStep_ = 0;
    ProgressFlow progress_;
    TCKForm* ckForm_ = nullptr;
    std::unique_ptr<HelpWindow> help_;
    TSplash* splash_ = nullptr;
    TYesNoDlg* yesNoDlg_ = nullptr;
    TAboutBox* aboutBox_ = nullptr;
    TTongueDlg* tongueDlg_ = nullptr;

    // Converted once for the raster operations; the lists stay as decoded.
    render::Pictures pictures1x_;
    // The set with 2 or 3 times the pixels while the present ratio draws it as
    // it is (denseTimes_ 0: none), and the pictures of the present ratio.
    int denseTimes_ = 0;
    render::Pictures densePictures_;
    render::Pictures pictures_;
    QImage offscreenCell_;

    QString programDir_;
    QString progressPath_;
    QString helpFile_;
    int markerFrame_ = 0;
    KeyboardFrame frame_;
    BoardAccessibility* boardAccess_ = nullptr; // a child of box
    HintBlink* hint_ = nullptr;
    BoardRim* rim_ = nullptr;
    int par_ = -1; // the hint's count for the deal in play, once reckoned
    std::array<QAction*, CommandCount> actions_{};
    // The window's scale, 1 at 100 %, and its layout at 100 %.
    qreal scale_ = 1;
    Layout layout_;
    // What the level display shows: the caption's level and flag, kept while
    // the won page is up.
    int shownLevel_ = 1;
    bool shownSolved_ = false;
    bool paintedFirst_ = false;
    bool startedUp_ = false; // the first activation's step has run
    bool startFailed_ = false;
    bool closing_ = false;
    // The player's records and the level browser: told of every deal and
    // solve (LevelSolvedChanged), opened by the level display and Ctrl+L.
    std::unique_ptr<RecordKeeper> records_;

    // The controls, under the names the game's code has always used.
    QFrame* ToolPanel = nullptr;
    PaintBox* box = nullptr;
    PaintBox* levelbox = nullptr;
    QToolButton* NewGameBtn = nullptr;
    QToolButton* RestartBtn = nullptr;
    QToolButton* LoadBtn = nullptr;
    QToolButton* SaveBtn = nullptr;
    QToolButton* SoundBtn = nullptr;
    QToolButton* ExitBtn = nullptr;
    QWidget* Shape1 = nullptr;
    QFrame* Bevel2 = nullptr;
    QLabel* levellabel = nullptr;
    QToolButton* sDownBtn = nullptr;
    QScrollBar* levelscroll = nullptr;
    QToolButton* sUpBtn = nullptr;
    QToolButton* TongueBtn = nullptr;
    QToolButton* RulesBtn = nullptr;
    QToolButton* InfoBtn = nullptr;
    QToolButton* ZorblyBtn = nullptr;
    TCKSimpleLabel* ZGLLabel = nullptr;
    QTimer* Timer = nullptr;
};

} // namespace zt
