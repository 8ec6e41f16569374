#include "levelpictures.h"

#include <QPainter>
#include <algorithm>
#include <vector>

#include "catalogue.h"

namespace zt {

namespace {

// What a cell whose tile number does not exist shows: fixed, plain grass,
// as the board deals it.
constexpr std::uint8_t DamagedCellTile = 179;
// A few more shuffles when one happens to fit; a board that fits every way
// (grass only) takes the last.
constexpr int ShufflesAtMost = 8;
// Enough pictures kept to fill the browser three times at its largest.
constexpr int PicturesKept = 40;

// A small generator of the browser's own (splitmix64).
class PictureRandom {
public:
    explicit PictureRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::size_t Below(std::size_t n) { return std::size_t(Next() % n); }

private:
    std::uint64_t state_;
};

} // namespace

LevelRecord AsDealt(int level, const LevelRecord& record) {
    std::vector<int> movable;
    for (int i = 0; i < CellCount; ++i) {
        if (IsTile(record[i]) && IsMovable(record[i]))
            movable.push_back(i);
    }
    PictureRandom random{std::uint64_t(level)};
    LevelRecord dealt = record;
    for (int round = 0; round < ShufflesAtMost; ++round) {
        for (std::size_t k = movable.size(); k > 1; --k)
            std::swap(dealt[movable[k - 1]], dealt[movable[random.Below(k)]]);
        if (!Fits(dealt))
            break;
    }
    return dealt;
}

void LevelPictures::SetTiles(const render::Pictures& pictures) {
    if (pictures.tileSheet.cacheKey() == source_.tileSheet.cacheKey())
        return;
    source_ = pictures;
    Forget();
}

void LevelPictures::SetRatio(qreal ratio) {
    if (ratio == ratio_)
        return;
    ratio_ = ratio;
    Forget();
}

void LevelPictures::SetSide(int side) {
    if (side == cellSide_)
        return;
    cellSide_ = side;
    Forget();
}

void LevelPictures::Forget() {
    small_ = QImage();
    cache_.clear();
}

void LevelPictures::MakeSmallTiles() {
    side_ = render::Device(cellSide_, ratio_);
    small_ = QImage(side_ * TileCount, side_, QImage::Format_RGB32);
    QPainter p(&small_);
    // Each tile on its own, so that nothing bleeds in from its neighbours in the sheet.
    for (int t = 0; t < TileCount; ++t) {
        const QImage tile = source_.tileSheet.copy(source_.Tile(t))
                                .scaled(side_, side_, Qt::IgnoreAspectRatio,
                                        Qt::SmoothTransformation);
        p.drawImage(t * side_, 0, tile);
    }
    const int pictureKb = Columns * Rows * side_ * side_ * 4 / 1024;
    cache_.setMaxCost(std::max(3 * 1024, PicturesKept * pictureKb));
}

QImage LevelPictures::Picture(int level, const LevelRecord& record, bool whole) {
    if (source_.IsNull())
        return {};
    const int key = level * 2 + (whole ? 1 : 0);
    if (const QImage* cached = cache_.object(key))
        return *cached;
    if (small_.isNull())
        MakeSmallTiles();
    const LevelRecord shown = whole ? record : AsDealt(level, record);
    auto* image = new QImage(Columns * side_, Rows * side_, QImage::Format_RGB32);
    QPainter p(image);
    for (int c = 0; c < Columns; ++c) {
        for (int r = 0; r < Rows; ++r) {
            int t = shown[CellIndex(c, r)];
            if (!IsTile(t))
                t = DamagedCellTile;
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
