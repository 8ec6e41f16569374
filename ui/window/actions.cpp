// Every command the player can give, in one table: the tool bar's buttons,
// undo, redo and the hint, and the keys on the board. Each is a QAction with
// its keys, its tool tip and screen-reader text, and what it does; a button
// shows its action, and a key is bound nowhere else.
#include <QAction>
#include <QEvent>
#include <QKeySequence>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>

#include "boardaccessible.h"
#include "boardrim.h"
#include "hintblink.h"
#include "mainform.h"
#include "paintbox.h"
#include "recordkeeper.h"
#include "texts.h"
#include "weblabel.h"

namespace zt {

namespace {

// The names of the keys as Qt writes them, for the screen reader's German.
[[maybe_unused]] constexpr const char* KeyNames[] = {
    QT_TRANSLATE_NOOP("QShortcut", "Ctrl"),
    QT_TRANSLATE_NOOP("QShortcut", "Shift"),
    QT_TRANSLATE_NOOP("QShortcut", "PgUp"),
    QT_TRANSLATE_NOOP("QShortcut", "PgDown"),
};

// A standard key where Qt has one for the command, with the key the game
// has always used where the desktop binds the command elsewhere.
QList<QKeySequence> Keys(QKeySequence::StandardKey standard, QList<QKeySequence> own) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    for (const QKeySequence& key : own) {
        if (!keys.contains(key)) {
            keys.prepend(key);
        }
    }
    return keys;
}

} // namespace

void TMainForm::BuildActions() {
    // Where a key counts: anywhere in the window, or only while the board
    // has the focus.
    enum Scope { Window, Board };
    struct Row {
        Command command;
        const char* text; // the tool tip, and what a screen reader reads
        QList<QKeySequence> keys;
        Scope scope;
        QToolButton* button;
        std::function<void()> run;
    };
    using K = QKeySequence;
    const Row rows[] = {
        {NewGameCommand, QT_TR_NOOP("I want to play a new game."), Keys(K::New, {K(Qt::CTRL | Qt::Key_N)}),
         Window, NewGameBtn, [this] { NewGameBtnClick(); }},
        {RestartCommand, QT_TR_NOOP("I try it again."), {K(Qt::CTRL | Qt::Key_R)}, Window,
         RestartBtn, [this] { RestartBtnClick(); }},
        {LoadCommand, QT_TR_NOOP("I want to continue an old game."),
         Keys(K::Open, {K(Qt::CTRL | Qt::Key_O)}), Window, LoadBtn,
         [this] { progress_.LoadProgress(); }},
        {SaveCommand, QT_TR_NOOP("Save often, save always."), Keys(K::Save, {K(Qt::CTRL | Qt::Key_S)}),
         Window, SaveBtn, [this] { progress_.SaveProgress(); }},
        {SoundCommand, QT_TR_NOOP("I dont like the sound always."), {}, Window, SoundBtn, [] {}},
        {QuitCommand, QT_TR_NOOP("I have enough!"), Keys(K::Quit, {K(Qt::CTRL | Qt::Key_Q)}),
         Window, ExitBtn, [this] { close(); }},
        // Ctrl with the page key that pages the selector the same way.
        {PreviousUnsolvedCommand, QT_TR_NOOP("Previous unsolved level"),
         {K(Qt::CTRL | Qt::Key_PageUp)}, Window, sDownBtn,
         [this] { Apply(game_.NextUnsolved(Direction::Down)); }},
        {NextUnsolvedCommand, QT_TR_NOOP("Next unsolved level"), {K(Qt::CTRL | Qt::Key_PageDown)},
         Window, sUpBtn, [this] { Apply(game_.NextUnsolved(Direction::Up)); }},
        // Its text is always in the other language: it is the way out of this one.
        {LanguageCommand, nullptr, {}, Window, TongueBtn, [this] { TongueBtnClick(); }},
        {RulesCommand, QT_TR_NOOP("What's to do here?"), Keys(K::HelpContents, {K(Qt::Key_F1)}),
         Window, RulesBtn, [this] { rules(); }},
        {AboutCommand, QT_TR_NOOP("Who did these ZORBLY GAME?"), {}, Window, InfoBtn,
         [this] { info(); }},
        {WebCommand, QT_TR_NOOP("Hurrah, there are more ZORBLY GAMES."), {}, Window, ZorblyBtn,
         [this] { ZGLLabel->Jump(); }},
        {UndoCommand, QT_TR_NOOP("Take back the last swap"), Keys(K::Undo, {K(Qt::CTRL | Qt::Key_Z)}),
         Window, nullptr, [this] { UndoSwap(); }},
        {RedoCommand, QT_TR_NOOP("Make the swap taken back again"),
         Keys(K::Redo, {K(Qt::CTRL | Qt::Key_Y), K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}), Window,
         nullptr, [this] { RedoSwap(); }},
        {HintCommand, QT_TR_NOOP("Show the tile to swap with the marked one"), {K(Qt::Key_H)},
         Window, nullptr, [this] { ShowHint(); }},
        {FrameLeftCommand, QT_TR_NOOP("Frame one cell left"), {K(Qt::Key_Left)}, Board, nullptr,
         [this] { frame_.Step(-1, 0); }},
        {FrameRightCommand, QT_TR_NOOP("Frame one cell right"), {K(Qt::Key_Right)}, Board,
         nullptr, [this] { frame_.Step(1, 0); }},
        {FrameUpCommand, QT_TR_NOOP("Frame one cell up"), {K(Qt::Key_Up)}, Board, nullptr,
         [this] { frame_.Step(0, -1); }},
        {FrameDownCommand, QT_TR_NOOP("Frame one cell down"), {K(Qt::Key_Down)}, Board, nullptr,
         [this] { frame_.Step(0, 1); }},
        // The framed cell, just as a click on it.
        {SwapCommand, QT_TR_NOOP("Swap the framed tile with the marked one"),
         {K(Qt::Key_Space), K(Qt::Key_Return), K(Qt::Key_Enter)}, Board, nullptr,
         [this] { Apply(game_.boxMouseDown({frame_.Col(), frame_.Row()})); }},
        // As a click on the level display.
        {BrowseCommand, QT_TR_NOOP("Every level at a glance"), {K(Qt::CTRL | Qt::Key_L)}, Window,
         nullptr, [this] { records_->OpenBrowser(); }},
        // Also Ctrl with the mouse wheel over the board (eventFilter).
        {ZoomInCommand, QT_TR_NOOP("Make the whole window larger"),
         Keys(K::ZoomIn, {K(Qt::CTRL | Qt::Key_Plus), K(Qt::CTRL | Qt::Key_Equal)}), Window,
         nullptr, [this] { ZoomBy(1); }},
        {ZoomOutCommand, QT_TR_NOOP("Make the whole window smaller"),
         Keys(K::ZoomOut, {K(Qt::CTRL | Qt::Key_Minus)}), Window, nullptr, [this] { ZoomBy(-1); }},
        {ZoomResetCommand, QT_TR_NOOP("The window at its own size"), {K(Qt::CTRL | Qt::Key_0)},
         Window, nullptr, [this] {
             SetZoom(100);
             RememberZoom();
         }},
    };
    static_assert(std::size(rows) == CommandCount, "a command without its row");
    for (const Row& row : rows) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(row.text ? row.text : "language"));
        action->setProperty("source", QString::fromLatin1(row.text ? row.text : ""));
        action->setShortcuts(row.keys);
        if (row.scope == Board) {
            action->setShortcutContext(Qt::WidgetShortcut);
            box->addAction(action);
        } else {
            action->setShortcutContext(Qt::WindowShortcut);
            addAction(action);
        }
        connect(action, &QAction::triggered, this, row.run);
        if (row.button) {
            action->setIcon(row.button->icon());
            action->setCheckable(row.button->isCheckable());
            row.button->setDefaultAction(action);
        }
        actions_[row.command] = action;
    }

    // Tab leads from the selector to the board, then round to the tool bar's
    // first control that takes it, the two buttons whose commands a keyboard
    // player may not know the keys of, and back. A click does not take the
    // focus, so the mouse player's selector keys stay where they were.
    box->setFocusPolicy(Qt::TabFocus);
    sDownBtn->setFocusPolicy(Qt::TabFocus);
    sUpBtn->setFocusPolicy(Qt::TabFocus);
    setTabOrder(levelscroll, box);
    setTabOrder(sDownBtn, sUpBtn);
    box->installEventFilter(this);

    hint_ = new HintBlink(this, [this](int c, int r) { RedrawCell(c, r); });
    BuildRim();
    connect(hint_, &HintBlink::Ended, this, &TMainForm::HintEnded);
}

void TMainForm::DescribeActions() {
    const Language other =
        game_.language() == Language::German ? Language::English : Language::German;
    for (QAction* action : actions_) {
        const QString source = action->property("source").toString();
        QString text;
        if (source.isEmpty()) {
            text = TextIn(other, "zt::TMainForm",
                          other == Language::German
                              ? QT_TR_NOOP("I don't speak english.")
                              : QT_TR_NOOP("I don't speak german."));
        } else {
            text = tr(source.toUtf8().constData());
        }
        action->setText(text);
        action->setToolTip(text);
    }
    for (QToolButton* button : ToolPanel->findChildren<QToolButton*>()) {
        if (QAction* action = button->defaultAction()) {
            DescribeControl(button, action->toolTip(), action);
        }
    }
    DescribeControl(levelscroll, tr("Select level"), nullptr);
    rim_->Describe();
}

void TMainForm::BuildRim() {
    rim_ = new BoardRim(this, box->y(), layout_);
    rim_->ShowActions({actions_[UndoCommand], actions_[RedoCommand], actions_[HintCommand],
                       actions_[BrowseCommand], actions_[ZoomOutCommand], actions_[ZoomInCommand]});
}

void TMainForm::ShowCount() {
    rim_->ShowCount(game_.SwapsStanding(), par_, records_ ? records_->DealTime() : 0);
}

void TMainForm::DescribeControl(QWidget* control, const QString& hint, const QAction* action) {
    control->setToolTip(hint);
    QString description = hint;
    if (action && !action->shortcut().isEmpty()) {
        description += QStringLiteral(" (%1)").arg(
            action->shortcut().toString(QKeySequence::NativeText));
    }
    if (control->accessibleName() != hint || control->accessibleDescription() != description) {
        control->setAccessibleName(hint);
        control->setAccessibleDescription(description);
    }
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box) {
        if (event->type() == QEvent::FocusIn) {
            frame_.Show(true);
            boardAccess_->FocusEntered(); // screen reader
        } else if (event->type() == QEvent::FocusOut) {
            frame_.Show(false);
        } else if (event->type() == QEvent::Wheel) {
            const auto* wheel = static_cast<QWheelEvent*>(event);
            if (wheel->modifiers() & Qt::ControlModifier) {
                const int turn = wheel->angleDelta().y();
                ZoomBy(turn > 0 ? 1 : turn < 0 ? -1 : 0);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TMainForm::UndoSwap() {
    hint_->End();
    Apply(game_.Undo());
}

void TMainForm::RedoSwap() {
    hint_->End();
    Apply(game_.Redo());
}

void TMainForm::UpdateCommands() {
    actions_[UndoCommand]->setEnabled(game_.CanUndo());
    actions_[RedoCommand]->setEnabled(game_.CanRedo());
    actions_[HintCommand]->setEnabled(game_.CanHint());
    actions_[ZoomInCommand]->setEnabled(CanZoom(1));
    actions_[ZoomOutCommand]->setEnabled(CanZoom(-1));
    ShowCount();
}

void TMainForm::ShowHint() {
    const std::optional<Cell> cell = game_.Hint();
    if (!cell) {
        hint_->End();
        return; // solved, or the board fits already
    }
    // With the board focused the keyboard's frame goes there too: Space swaps.
    if (box->hasFocus()) {
        frame_.Place(cell->c, cell->r);
    }
    hint_->Start(*cell);
    box->setAccessibleDescription(
        tr("swap with column %1, row %2").arg(cell->c + 1).arg(cell->r + 1));
    boardAccess_->Hinted(*cell); // screen reader
}

void TMainForm::HintEnded() {
    box->setAccessibleDescription(boardAccess_->LevelDescription());
}

void TMainForm::RedrawCell(int c, int r) {
    if (game_.hasSelection() && c == game_.selCol() && r == game_.selRow()) {
        DrawSelectedCell();
    } else {
        DrawCell(c, r);
    }
}

} // namespace zt
