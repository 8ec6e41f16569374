// What the main window draws: the board area and the level display. Every
// operation draws into the backing images at once; the widgets only show them.
#include <QToolButton>

#include "catalogue.h"
#include "mainform.h"
#include "paintbox.h"
#include "render.h"

namespace zt {

const QImage& TMainForm::BoxImage() const {
    return box->Image();
}
const QImage& TMainForm::LevelBoxImage() const {
    return levelbox->Image();
}

void TMainForm::boxPaint() {
    if (!HasPictures()) {
        return;
    }
    if (firstTime_) {
        FirstPaintStep();
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
    box->Changed(render::Blit(box->Image(), render::CellOrigin(c, r, pictures_),
                              pictures_.tileSheet, pictures_.Tile(IsTile(t) ? t : 0)));
}

void TMainForm::DrawSelectedCell() {
    if (!HasPictures() || !game_.hasSelection || offscreenCell_.isNull()) {
        return; // a level without any tile that could carry the marker
    }
    const int t = game_.TileAt(game_.selCol, game_.selRow);
    if (!IsTile(t)) {
        return;
    }
    const MarkerAnchor a = Anchor(t);
    render::ComposeSelectedCell(offscreenCell_, pictures_, t, {a.x, a.y}, markerFrame_,
                                game_.levelSolved);
    box->Changed(render::Blit(box->Image(),
                              render::CellOrigin(game_.selCol, game_.selRow, pictures_),
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
    const int level = game_.currentLevel;
    const bool solved = game_.IsLevelSolved(level);
    render::DrawLevelDisplay(levelbox->Image(), pictures_, level, solved);
    levelbox->setToolTip(render::LevelHint(level, solved, game_.language));
    levelbox->Changed();
}

void TMainForm::TimerTimer() {
    markerFrame_ = (markerFrame_ + 1) % render::MarkerFrames;
    DrawSelectedCell();
}

} // namespace zt
