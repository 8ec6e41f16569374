// The keys a new player would not find alone (undo, the hint, the level
// list), named on the board's rim during the first deals and once more after
// a change of language; never again once each has been used.
#include <QAction>

#include "keytip.h"
#include "mainform.h"
#include "paintbox.h"
#include "render.h"

namespace zt {

namespace {

const QString Tips = QStringLiteral("tips");
// Deals that show the line, and the most it shows in all.
constexpr int TipDeals = 3;
constexpr int TipDealsAtMost = 5;

struct Tip {
    int command; // TMainForm::Command
    const char* text; // %1: the key
};

} // namespace

void TMainForm::BuildKeyTips() {
    keyTip_ = new KeyTip(box, this);
    layout_.KeepFont(keyTip_);
    static const Tip tips[] = {
        {UndoCommand, QT_TR_NOOP("%1: undo")},
        {HintCommand, QT_TR_NOOP("%1: hint")},
        {BrowseCommand, QT_TR_NOOP("%1: all levels")},
    };
    for (int i = 0; i < int(std::size(tips)); ++i) {
        connect(actions_[tips[i].command], &QAction::triggered, this,
                [this, i] { tipsUsed_ |= 1 << i; });
    }
    keyTipTexts_ = [this] {
        QStringList parts;
        for (int i = 0; i < int(std::size(tips)); ++i) {
            if (!(tipsUsed_ & (1 << i))) {
                const QString key =
                    actions_[tips[i].command]->shortcut().toString(QKeySequence::NativeText);
                parts << tr(tips[i].text).arg(key);
            }
        }
        return parts.join(QStringLiteral("   ·   "));
    };
}

void TMainForm::ReadKeyTips() {
    tipsShown_ = ini_.ReadNumber(Tips, QStringLiteral("shown"), 0);
    tipsUsed_ = ini_.ReadNumber(Tips, QStringLiteral("used"), 0);
    tipsLanguage_ = ini_.ReadNumber(Tips, QStringLiteral("language"), -1);
}

void TMainForm::WriteKeyTips() {
    ini_.WriteNumber(Tips, QStringLiteral("shown"), tipsShown_);
    ini_.WriteNumber(Tips, QStringLiteral("used"), tipsUsed_);
    ini_.WriteNumber(Tips, QStringLiteral("language"), tipsLanguage_);
}

void TMainForm::OfferKeyTip() {
    const QString line = keyTipTexts_();
    const int language = static_cast<int>(game_.language());
    const bool again = language != tipsLanguage_ && tipsShown_ < TipDealsAtMost;
    // A line still up goes on (the start deals twice): one showing.
    const bool up = !keyTip_->isHidden();
    if (line.isEmpty() || game_.language() == Language::NotChosen ||
        (!up && tipsShown_ >= TipDeals && !again)) {
        keyTip_->Dismiss();
        return;
    }
    if (!up) {
        ++tipsShown_;
    }
    tipsLanguage_ = language;
    // The rim below the last row of cells.
    const int top = render::BoardTop + Rows * render::CellSize + 1;
    const qreal zoom = scale_;
    keyTip_->ShowLine(line, QRectF(render::BoardLeft * zoom, top * zoom,
                                   Columns * render::CellSize * zoom,
                                   (render::BoxHeight - top - 2) * zoom)
                                .toRect());
    box->setToolTip(keyTipTexts_());
}

} // namespace zt
