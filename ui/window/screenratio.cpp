// Drawing at the screen's own pixels. The pictures come drawn with one, two
// and three times the pixels; a ratio (the screen's times the window's zoom)
// gets the fewest that need no enlarging, as they are where the ratio is
// theirs, else scaled down smoothly. Besides the 1x set only the pictures of
// the present ratio are kept: an ordinary screen at 100 % never decodes the
// larger sets, and leaving a zoom gives their memory back.
#include "mainform.h"
#include "paintbox.h"
#include "mediadecoding.h"

#include <exception>

namespace zt {

bool TMainForm::UseDensePictures(int times) {
    if (times == denseTimes_) {
        return !densePictures_.IsNull();
    }
    denseTimes_ = times;
    densePictures_ = render::Pictures();
    if (times < 2) {
        return false;
    }
    try {
        // The pictures share the decoded images; the list itself may go.
        TCKBitmapList bitmaps;
        bitmaps.ReadRecords(times == 2 ? EmbeddedBitmapRecords2x() : EmbeddedBitmapRecords3x());
        densePictures_ = render::ExactPictures(bitmaps.Item(0).Bitmap, bitmaps.Item(1).Bitmap,
                                               bitmaps.Item(2).Bitmap, times);
    } catch (const std::exception&) {
        // Damaged: a smaller set, scaled smoothly, still draws everything.
    }
    return !densePictures_.IsNull();
}

render::Pictures TMainForm::PicturesFor(qreal ratio) {
    if (pictures1x_.IsNull()) {
        return pictures1x_;
    }
    // A set that cannot be read gives way to the one below it.
    const render::Pictures* source = &pictures1x_;
    for (int times = ratio > 2 ? 3 : ratio > 1 ? 2 : 0; times >= 2; --times) {
        if (UseDensePictures(times)) {
            source = &densePictures_;
            break;
        }
    }
    if (ratio == source->ratio) {
        return *source;
    }
    // Made smaller, the larger set is not drawn from again until the ratio
    // changes.
    render::Pictures scaled = render::ScaledPictures(*source, ratio);
    UseDensePictures(0);
    return scaled;
}

void TMainForm::UseScreenRatio() {
    // The window's zoom draws just as a screen of that much more ratio would.
    const qreal ratio = box->devicePixelRatioF() * scale_;
    if (!HasPictures() || ratio == pictures_.ratio) {
        return;
    }
    pictures_ = PicturesFor(ratio);
    offscreenCell_ = QImage(pictures_.cell, pictures_.cell, QImage::Format_RGB32);
    box->SetRatio(pictures_.ratio);
    levelbox->SetRatio(pictures_.ratio);
}

} // namespace zt
