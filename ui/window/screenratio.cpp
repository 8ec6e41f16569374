// Drawing at the screen's own pixels. A screen of ratio 2 gets the pictures
// drawn with twice the pixels as they are; any other ratio above 1 gets them
// scaled down smoothly, once, and kept. The 2x pictures are decoded only when
// such a screen turns up, so an ordinary screen never pays for them.
#include "mainform.h"
#include "paintbox.h"
#include "mediadecoding.h"

#include <exception>

namespace zt {

render::Pictures TMainForm::PicturesFor(qreal ratio) {
    if (ratio == 1 || pictures1x_.IsNull()) {
        return pictures1x_;
    }
    if (ratio > 1 && !tried2x_) {
        tried2x_ = true;
        try {
            bitmaps2x_.ReadRecords(EmbeddedBitmapRecords2x());
            pictures2x_ = render::ExactPictures(
                bitmaps2x_.Item(0).Bitmap, bitmaps2x_.Item(1).Bitmap, bitmaps2x_.Item(2).Bitmap, 2);
        } catch (const std::exception&) {
            // Damaged: the 1x pictures, scaled smoothly, still draw everything.
            pictures2x_ = render::Pictures();
        }
    }
    const render::Pictures& source = ratio > 1 && !pictures2x_.IsNull() ? pictures2x_ : pictures1x_;
    if (ratio == source.ratio) {
        return source;
    }
    auto found = scaledPictures_.find(ratio);
    if (found == scaledPictures_.end()) {
        found = scaledPictures_.emplace(ratio, render::ScaledPictures(source, ratio)).first;
    }
    return found->second;
}

void TMainForm::UseScreenRatio() {
    // The window's zoom draws just as a screen of that much more ratio would.
    const qreal ratio = box->devicePixelRatioF() * zoom_ / 100;
    if (!HasPictures() || ratio == pictures_.ratio) {
        return;
    }
    pictures_ = PicturesFor(ratio);
    offscreenCell_ = QImage(pictures_.cell, pictures_.cell, QImage::Format_RGB32);
    box->SetRatio(pictures_.ratio);
    levelbox->SetRatio(pictures_.ratio);
}

} // namespace zt
