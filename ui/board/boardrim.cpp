#include "boardrim.h"

#include <QAction>
#include <QLabel>
#include <QToolButton>

#include "fonts.h"
#include "glyphs.h"
#include "layout.h"
#include "render.h"

namespace zt {

namespace {

// The rim below the last row of cells, in the board's coordinates at 100 %.
constexpr int RimTop = render::BoardTop + 7 * render::CellSize + 1;
constexpr int RimHeight = 18;
constexpr int ButtonSize = 18;
constexpr int BoardRight = render::BoardLeft + 9 * render::CellSize;

// A screen reader's names for the buttons; the tool tips say more.
constexpr const char* Names[] = {
    QT_TRANSLATE_NOOP("zt::BoardRim", "Undo"),     QT_TRANSLATE_NOOP("zt::BoardRim", "Redo"),
    QT_TRANSLATE_NOOP("zt::BoardRim", "Hint"),     QT_TRANSLATE_NOOP("zt::BoardRim", "All levels"),
    QT_TRANSLATE_NOOP("zt::BoardRim", "Zoom out"), QT_TRANSLATE_NOOP("zt::BoardRim", "Zoom in"),
};
constexpr RimButton Glyphs[] = {RimButton::Undo,    RimButton::Redo,   RimButton::Hint,
                                RimButton::AllLevels, RimButton::ZoomOut, RimButton::ZoomIn};

QString Clock(qint64 ms) {
    const qint64 s = ms / 1000;
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

BoardRim::BoardRim(QWidget* window, int boardTop, Layout& layout)
    : QWidget(window), count_(new QLabel(this)) {
    setObjectName(QStringLiteral("BoardRim"));
    // See-through: the board's granite shows between the parts.
    layout.Place(this, {0, boardTop + RimTop, render::BoxWidth, RimHeight});
    count_->setObjectName(QStringLiteral("SwapCount"));
    count_->setFont(SansFont(11, true));
    // Light on the granite.
    QPalette colours = count_->palette();
    colours.setColor(QPalette::WindowText, QColor(255, 255, 224));
    count_->setPalette(colours);
    count_->setAttribute(Qt::WA_TransparentForMouseEvents);
    count_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    layout.Place(count_, {render::BoardLeft + 2, 0, 240, RimHeight});
    layout.KeepFont(count_);
    for (int i = 0; i < ButtonCount; ++i) {
        auto* b = new QToolButton(this);
        static const char* const objectNames[] = {"UndoBtn",    "RedoBtn",    "HintBtn",
                                                  "LevelsBtn", "ZoomOutBtn", "ZoomInBtn"};
        b->setObjectName(QString::fromLatin1(objectNames[i]));
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus); // as the tool bar's: each has its key
        const int left = BoardRight - (ButtonCount - i) * (ButtonSize + 2);
        layout.Place(b, {left, 0, ButtonSize, ButtonSize}, {16, 16});
        buttons_[i] = b;
    }
}

void BoardRim::ShowActions(const std::array<QAction*, ButtonCount>& actions) {
    for (int i = 0; i < ButtonCount; ++i) {
        actions[i]->setIcon(RimGlyph(Glyphs[i]));
        buttons_[i]->setDefaultAction(actions[i]);
    }
}

void BoardRim::Describe() {
    for (int i = 0; i < ButtonCount; ++i) {
        QToolButton* b = buttons_[i];
        const QAction* action = b->defaultAction();
        QString tip = action->toolTip();
        if (!action->shortcut().isEmpty()) {
            tip += QStringLiteral(" (%1)").arg(action->shortcut().toString(QKeySequence::NativeText));
        }
        b->setToolTip(tip);
        b->setAccessibleName(tr(Names[i]));
        b->setAccessibleDescription(tip);
    }
}

void BoardRim::ShowCount(int swaps, int par, qint64 ms) {
    const QString text = par < 0 ? tr("Swaps %1 · %2").arg(swaps).arg(Clock(ms))
                                 : tr("Swaps %1 · par %2 · %3").arg(swaps).arg(par).arg(Clock(ms));
    if (count_->text() != text) {
        count_->setText(text);
        count_->setAccessibleName(text);
    }
}

} // namespace zt
