// What the main window draws: the board area and the level display. Every
// operation draws into the backing images at once; the widgets only show them.
#include <QToolButton>

#include "catalogue.h"
#include "hintblink.h"
#include "mainform.h"
#include "paintbox.h"
#include "render.h"

namespace zt {

void TMainForm::boxPaint() {
    if (!HasPictures()) {
        return;
    }
    if (!startedUp_) {
        FirstPaint();
    }
    UseScreenRatio();
    DrawBackground();
    for (int c = 0; c < Columns; ++c) {
        for (int r = 0; r < Rows; ++r) {
            DrawCell(c, r);
        }
    }
    levelboxPaint();
    UpdateCaption();
    DrawGauge();
}

void TMainForm::DrawBackground() {
    if (!HasPictures()) {
        return;
    }
    box->Changed(render::Blit(box->Image(), {0, 0}, pictures_.backdrop, pictures_.backdrop.rect()));
    sUpBtn->update();
    sDownBtn->update();
}

void TMainForm::DrawCell(int c, int r) {
    if (!HasPictures()) {
        return;
    }
    const int t = game_.TileAt(c, r);
    const QPoint at = render::CellOrigin(c, r, pictures_);
    const QRect changed = render::Blit(box->Image(), at, pictures_.tileSheet,
                                       pictures_.Tile(IsTile(t) ? t : 0));
    DrawFocusFrameOn(box->Image(), at, c, r);
    box->Changed(changed);
}

void TMainForm::DrawFocusFrameOn(QImage& image, QPoint at, int c, int r) const {
    if (hint_->FrameOn(c, r, frame_.On(c, r))) {
        render::DrawFocusFrame(image, at, pictures_);
    }
}

void TMainForm::DrawSelectedCell() {
    if (!HasPictures() || !game_.hasSelection() || offscreenCell_.isNull()) {
        return; // a level without any tile that could carry the marker
    }
    const int t = game_.TileAt(game_.selCol(), game_.selRow());
    if (!IsTile(t)) {
        return;
    }
    const MarkerAnchor a = Anchor(t);
    render::ComposeSelectedCell(offscreenCell_, pictures_, t, {a.x, a.y}, markerFrame_,
                                game_.levelSolved());
    DrawFocusFrameOn(offscreenCell_, {0, 0}, game_.selCol(), game_.selRow());
    box->Changed(render::Blit(box->Image(),
                              render::CellOrigin(game_.selCol(), game_.selRow(), pictures_),
                              offscreenCell_, offscreenCell_.rect()));
}

void TMainForm::DrawGauge() {
    if (!HasPictures()) {
        return;
    }
    box->Changed(
        render::DrawGauge(box->Image(), pictures_, game_.SolvedCount(), game_.LevelCount()));
}

void TMainForm::levelboxPaint() {
    if (!HasPictures()) {
        return;
    }
    UseScreenRatio();
    const int level = shownLevel_;
    const bool solved = shownSolved_;
    render::DrawLevelDisplay(levelbox->Image(), pictures_, level, solved);
    const QString hint = render::LevelHint(level, solved);
    levelbox->setToolTip(hint);
    DescribeLevel(hint);
    levelbox->Changed();
}

void TMainForm::TimerTimer() {
    markerFrame_ = (markerFrame_ + 1) % render::MarkerFrames;
    DrawSelectedCell();
    ShowCount(); // the clock
}

} // namespace zt
