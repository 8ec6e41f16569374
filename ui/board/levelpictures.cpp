#include "levelpictures.h"

#include <QPainter>

#include "catalogue.h"

namespace zt {

namespace {

// What a cell whose tile number does not exist shows: fixed, plain grass,
// as the board deals it.
constexpr std::uint8_t DamagedCellTile = 179;
constexpr std::uint8_t PlainGround = 0;

} // namespace

void LevelPictures::SetTiles(const render::Pictures& pictures) {
    if (pictures.tileSheet.cacheKey() == source_.tileSheet.cacheKey())
        return;
    source_ = pictures;
    small_ = QImage();
    cache_.clear();
}

void LevelPictures::SetRatio(qreal ratio) {
    if (ratio == ratio_)
        return;
    ratio_ = ratio;
    small_ = QImage();
    cache_.clear();
}

void LevelPictures::MakeSmallTiles() {
    side_ = render::Device(CellSide, ratio_);
    small_ = QImage(side_ * TileCount, side_, QImage::Format_RGB32);
    QPainter p(&small_);
    // Each tile on its own, so that nothing bleeds in from its neighbours in the sheet.
    for (int t = 0; t < TileCount; ++t) {
        const QImage tile = source_.tileSheet.copy(source_.Tile(t))
                                .scaled(side_, side_, Qt::IgnoreAspectRatio,
                                        Qt::SmoothTransformation);
        p.drawImage(t * side_, 0, tile);
    }
}

QImage LevelPictures::Picture(int level, const LevelRecord& record, bool whole) {
    if (source_.IsNull())
        return {};
    const int key = level * 2 + (whole ? 1 : 0);
    if (const QImage* cached = cache_.object(key))
        return *cached;
    if (small_.isNull())
        MakeSmallTiles();
    auto* image = new QImage(Columns * side_, Rows * side_, QImage::Format_RGB32);
    QPainter p(image);
    for (int c = 0; c < Columns; ++c) {
        for (int r = 0; r < Rows; ++r) {
            int t = record[CellIndex(c, r)];
            if (!IsTile(t))
                t = DamagedCellTile;
            else if (!whole && IsMovable(t))
                t = PlainGround;
            p.drawImage(QPoint(c * side_, r * side_), small_, QRect(t * side_, 0, side_, side_));
        }
    }
    p.end();
    image->setDevicePixelRatio(ratio_);
    const QImage picture = *image;
    cache_.insert(key, image, int(image->sizeInBytes() / 1024));
    return picture;
}

} // namespace zt
