// Help for a stuck player: Ctrl+Z and Ctrl+Y take swaps back and make them
// again, H shows the tile to swap with the marked one in a blinking frame.
#include <QApplication>
#include <QEvent>
#include <QShortcut>
#include <QTimer>
#include <functional>

#include "boardaccessible.h"
#include "mainform.h"
#include "paintbox.h"

namespace zt {

namespace {

// About two seconds of blinking, the frame on and off every quarter second.
constexpr int HintBlinkMs = 250;
constexpr int HintBlinkSteps = 8;

} // namespace

// Sees every key and click of the program while a hint stands, and lets each
// go on to where it was going.
class AnyInput : public QObject {
public:
    AnyInput(QObject* parent, std::function<void()> seen)
        : QObject(parent), seen_(std::move(seen)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        // A key that is a shortcut reaches no widget: its override asks first.
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            seen_();
            break;
        default:
            break;
        }
        return false;
    }

private:
    std::function<void()> seen_;
};

void TMainForm::BuildHintKeys() {
    // Window-wide like the tool bar's keys, wherever the focus is.
    auto key = [this](QKeySequence sequence, void (TMainForm::*handler)()) {
        auto* shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, this, handler);
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_Z), &TMainForm::UndoSwap);
    key(QKeySequence(Qt::CTRL | Qt::Key_Y), &TMainForm::RedoSwap);
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &TMainForm::RedoSwap);
    key(QKeySequence(Qt::Key_H), &TMainForm::ShowHint);

    hintTimer_ = new QTimer(this);
    hintTimer_->setInterval(HintBlinkMs);
    connect(hintTimer_, &QTimer::timeout, this, &TMainForm::HintBlink);
}

void TMainForm::UndoSwap() {
    EndHint();
    game_.Undo();
}

void TMainForm::RedoSwap() {
    EndHint();
    game_.Redo();
}

void TMainForm::ShowHint() {
    EndHint();
    const std::optional<Cell> cell = game_.Hint();
    if (!cell) {
        return; // solved, or the board fits already
    }
    hintCell_ = *cell;
    hintLit_ = true;
    hintSteps_ = 0;
    // With the board focused the keyboard's frame goes there too: Space swaps.
    if (box->hasFocus()) {
        PlaceFocusFrame(cell->c, cell->r);
    }
    RedrawCell(cell->c, cell->r);
    hintTimer_->start();
    if (!anyInput_) {
        anyInput_ = new AnyInput(this, [this] { EndHint(); });
    }
    qApp->installEventFilter(anyInput_);
    box->setAccessibleDescription(
        (game_.German() ? QStringLiteral("tausche mit Spalte %1, Zeile %2")
                        : QStringLiteral("swap with column %1, row %2"))
            .arg(cell->c + 1)
            .arg(cell->r + 1));
    boardAccess_->Hinted(*cell); // screen reader
}

void TMainForm::HintBlink() {
    if (!hintCell_) {
        hintTimer_->stop();
        return;
    }
    // Once the blinking ends the hint still stands, for a screen reader too,
    // until the player does something.
    if (++hintSteps_ >= HintBlinkSteps) {
        hintTimer_->stop();
    } else {
        hintLit_ = !hintLit_;
    }
    RedrawCell(hintCell_->c, hintCell_->r);
}

void TMainForm::EndHint() {
    if (!hintCell_) {
        return;
    }
    const Cell cell = *hintCell_;
    hintCell_.reset();
    hintTimer_->stop();
    qApp->removeEventFilter(anyInput_);
    box->setAccessibleDescription(levelbox->accessibleDescription());
    RedrawCell(cell.c, cell.r);
}

bool TMainForm::HintFrameOn(int c, int r, bool keyboardFrame) const {
    if (hintCell_ && hintTimer_->isActive() && *hintCell_ == Cell{c, r}) {
        return hintLit_;
    }
    return keyboardFrame;
}

} // namespace zt
