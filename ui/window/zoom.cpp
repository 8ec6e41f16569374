// The main window at any size: the tool bar over the board, laid out at the
// largest scale that fits the window and centred in it. The zoom keys step
// the window's size; dragging or maximising it gives any scale between.
// The board and the level display draw at the screen's pixels for the scale
// times the display scale (screenratio.cpp), never enlarged pixel by pixel.
#include <QGuiApplication>
#include <QLabel>
#include <QResizeEvent>
#include <QScreen>
#include <QToolButton>
#include <algorithm>
#include <iterator>

#include "boardrim.h"
#include "fonts.h"
#include "framing.h"
#include "mainform.h"
#include "paintbox.h"
#include "render.h"
#include "windowplacement.h"

namespace zt {

namespace {

constexpr int ZoomSteps[] = {100, 125, 150, 175, 200, 250, 300};

// The window at 100 %: the tool bar over the board.
constexpr QSize BaseSize(render::BoxWidth, 33 + render::BoxHeight);

QSize ScaledSize(qreal scale) {
    return {Scaled(BaseSize.width(), scale), Scaled(BaseSize.height(), scale)};
}

} // namespace

QSize TMainForm::ScreenRoom() const {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSize available = s ? s->availableGeometry().size() : QSize(BaseSize * 3);
    return available.shrunkBy(KnownFrame(this));
}

int TMainForm::FittingZoom(int percent) const {
    const QSize room = ScreenRoom();
    // The largest percent at or below the one asked whose window fits.
    const qreal fits = std::min(qreal(room.width()) / BaseSize.width(),
                                qreal(room.height()) / BaseSize.height());
    return std::clamp(std::min(percent, int(fits * 100)), ZoomSteps[0],
                      ZoomSteps[std::size(ZoomSteps) - 1]);
}

bool TMainForm::CanZoom(int steps) const {
    const int percent = Zoom();
    if (steps > 0) {
        const int* next = std::upper_bound(std::begin(ZoomSteps), std::end(ZoomSteps), percent);
        return next != std::end(ZoomSteps) && FittingZoom(*next) == *next;
    }
    return percent > ZoomSteps[0];
}

void TMainForm::ZoomBy(int steps) {
    if (steps == 0 || !CanZoom(steps)) {
        return;
    }
    const int percent = Zoom();
    int to = percent;
    if (steps > 0) {
        to = *std::upper_bound(std::begin(ZoomSteps), std::end(ZoomSteps), percent);
    } else {
        to = *(std::lower_bound(std::begin(ZoomSteps), std::end(ZoomSteps), percent) - 1);
    }
    SetZoom(to);
    RememberZoom();
}

void TMainForm::RememberZoom() {
    const QString view = QStringLiteral("view");
    ini_.WriteNumber(view, QStringLiteral("zoom"), Zoom());
    // The size itself too, as a window dragged between the steps has one of
    // its own that its percent only comes near.
    const QSize normal = isMaximized() ? normalGeometry().size() : size();
    ini_.WriteNumber(view, QStringLiteral("width"), normal.width());
    ini_.WriteNumber(view, QStringLiteral("height"), normal.height());
}

void TMainForm::OpenAtRememberedSize() {
    const QString view = QStringLiteral("view");
    const int percent = ini_.ReadNumber(view, QStringLiteral("zoom"), 100);
    SetZoom(percent);
    const QSize stored(ini_.ReadNumber(view, QStringLiteral("width"), 0),
                       ini_.ReadNumber(view, QStringLiteral("height"), 0));
    const QSize room = ScreenRoom();
    // Only a size that belongs to the remembered percent and that this
    // screen takes; any other is an older file's or another screen's.
    const qreal scale = std::min(qreal(stored.width()) / BaseSize.width(),
                                 qreal(stored.height()) / BaseSize.height());
    if (percent == Zoom() && qRound(scale * 100) == percent && stored.width() <= room.width() &&
        stored.height() <= room.height()) {
        resize(stored);
        LayOut();
    }
}

void TMainForm::SetZoom(int percent) {
    percent = FittingZoom(percent);
    const QRect before = OuterRect(this);
    const bool maximised = isMaximized();
    if (maximised) {
        showNormal();
    }
    setMinimumSize(BaseSize);
    resize(ScaledSize(percent / 100.0));
    LayOut();
    if (!isVisible() || !CanPlaceWindows()) {
        return;
    }
    // The same centre, pulled back onto the screen.
    QRect after = CentredRect(size().grownBy(KnownFrame(this)), before);
    const QRect available = screen()->availableGeometry();
    after.moveRight(std::min(after.right(), available.right()));
    after.moveBottom(std::min(after.bottom(), available.bottom()));
    after.moveLeft(std::max(after.left(), available.left()));
    after.moveTop(std::max(after.top(), available.top()));
    MoveFrameTo(this, after.topLeft());
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
}

void TMainForm::LayOut() {
    // The largest scale at which the tool bar and the board fit, never below 100 %.
    const qreal scale = std::max<qreal>(
        1, std::min(qreal(width()) / BaseSize.width(), qreal(height()) / BaseSize.height()));
    const QSize content = ScaledSize(scale);
    const QPoint at(std::max(0, (width() - content.width()) / 2),
                    std::max(0, (height() - content.height()) / 2));
    const bool changed = scale != scale_;
    scale_ = scale;
    SetWindowScale(scale);
    levelbox->SetZoom(scale);
    layout_.Apply(scale);
    ToolPanel->move(ToolPanel->pos() + at);
    rim_->move(rim_->pos() + at);
    rim_->raise();
    box->SetZoom(scale);
    box->move(at.x(), at.y() + ToolPanel->height());
    if (!changed) {
        return;
    }
    // Glyphs not read yet come with the larger art when they are.
    if (!NewGameBtn->icon().isNull()) {
        LoadGlyphs();
    }
    UseScreenRatio();
    UpdateCommands();
}

} // namespace zt
