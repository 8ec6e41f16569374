// The whole window at a size the player chooses: every control's place and
// size and its button pictures times the zoom, still a fixed-size window.
// The board and the level display draw at the screen's pixels for the zoom
// times the display scale (screenratio.cpp), so their art is never enlarged
// pixel by pixel.
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QToolButton>
#include <algorithm>
#include <iterator>

#include "fonts.h"
#include "keytip.h"
#include "framing.h"
#include "mainform.h"
#include "paintbox.h"
#include "windowplacement.h"
#include "zooming.h"

namespace zt {

namespace {

constexpr int ZoomSteps[] = {100, 125, 150, 175, 200, 250, 300};

// The window at 100 %: the tool bar over the board.
constexpr QSize BaseSize(520, 409);

} // namespace

int TMainForm::FittingZoom(int percent) const {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect available = s ? s->availableGeometry() : QRect();
    const QMargins frame = KnownFrame(this);
    int fitting = ZoomSteps[0];
    for (int step : ZoomSteps) {
        const QSize outer =
            QSize(Zoomed(BaseSize.width(), step), Zoomed(BaseSize.height(), step)).grownBy(frame);
        if (step <= percent && outer.width() <= available.width() &&
            outer.height() <= available.height()) {
            fitting = step;
        }
    }
    return fitting;
}

void TMainForm::ZoomBy(int steps) {
    const int* at = std::find(std::begin(ZoomSteps), std::end(ZoomSteps), zoom_);
    const int index = std::clamp(static_cast<int>(at - std::begin(ZoomSteps)) + steps, 0,
                                 static_cast<int>(std::size(ZoomSteps)) - 1);
    // A step larger than the screen takes is not offered: SetZoom stays.
    SetZoom(ZoomSteps[index]);
}

void TMainForm::SetZoom(int percent) {
    percent = FittingZoom(percent);
    if (percent == zoom_) {
        return;
    }
    const QRect before = OuterRect(this);
    zoom_ = percent;
    ApplyZoom();
    UseScreenRatio();
    ini_.WriteNumber(QStringLiteral("view"), QStringLiteral("zoom"), zoom_);
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

void TMainForm::ApplyZoom() {
    const qreal zoom = zoom_ / 100.0;
    ToolPanel->setGeometry(Zoomed(Base(ToolPanel, "baseGeometry", ToolPanel->geometry()), zoom_));
    for (QWidget* w : ToolPanel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect base = Zoomed(Base(w, "baseGeometry", w->geometry()), zoom_);
        if (auto* paintBox = qobject_cast<PaintBox*>(w)) {
            paintBox->SetZoom(zoom);
            paintBox->move(base.topLeft());
        } else {
            w->setGeometry(base);
        }
        if (auto* button = qobject_cast<QToolButton*>(w)) {
            const QSize icon = Base(button, "baseIconSize", button->iconSize());
            button->setIconSize(icon * zoom);
        }
    }
    // Glyphs not read yet come with the larger art when they are.
    if (!NewGameBtn->icon().isNull()) {
        LoadGlyphs();
    }
    levellabel->setFont(SansFont(Zoomed(12, zoom_)));
    if (keyTip_) {
        keyTip_->setFont(ZoomedFont(Base(keyTip_, "baseFont", keyTip_->font()), zoom_));
        if (!keyTip_->isHidden()) {
            OfferKeyTip(); // placed anew
        }
    }
    box->SetZoom(zoom);
    box->move(0, ToolPanel->height());
    setFixedSize(ToolPanel->width(), ToolPanel->height() + box->height());
}

} // namespace zt
