#include "render.h"

namespace zt::render {

QRect TileRect(int tile) {
    return {48 * (tile % 20), 48 * (tile / 20), 48, 48};
}
QRect MarkerSpriteRect(int frame) {
    return {30 + 20 * frame, 30, MarkerSize, MarkerSize};
}
QRect MarkerMaskRect(int frame) {
    return {30 + 20 * frame, 50, MarkerSize, MarkerSize};
}
QRect DigitRect(int digit) {
    return {11 * digit, 0, 11, 20};
}
QRect FaceRect(bool solved) {
    return {solved ? 122 : 135, 0, 13, 20};
}
QPoint CellOrigin(int c, int r) {
    return {22 + 48 * c, 20 + 48 * r};
}

QRect Blit(QImage& dst, QPoint at, const QImage& src, const QRect& from,
           QPainter::CompositionMode mode) {
    if (from.isEmpty() || src.isNull() || dst.isNull()) {
        return {};
    }
    QPainter p(&dst);
    p.setCompositionMode(mode);
    p.drawImage(at, src, from);
    return QRect(at, from.size()).intersected(dst.rect());
}

void ComposeSelectedCell(QImage& cell, const QImage& tileSheet, const QImage& backdrop, int tile,
                         QPoint anchor, int frame, bool solved) {
    Blit(cell, {0, 0}, tileSheet, TileRect(tile));
    if (solved) {
        return;
    }
    Blit(cell, anchor, backdrop, MarkerMaskRect(frame), QPainter::RasterOp_SourceAndDestination);
    Blit(cell, anchor, backdrop, MarkerSpriteRect(frame), QPainter::RasterOp_SourceOrDestination);
}

int GaugeFilledRows(int solved, int count) {
    if (solved <= 0 || count <= 0) {
        return 0;
    }
    if (solved >= count) {
        return GaugeHeight;
    }
    return static_cast<int>(static_cast<long long>(solved) * GaugeHeight / count);
}

QRect DrawGauge(QImage& box, const QImage& backdrop, int solved, int count) {
    const QPoint at(GaugeLeft, GaugeTop);
    const QRect whole(at, QSize(GaugeWidth, GaugeHeight));
    if (solved <= 0 || count <= 0) {
        Blit(box, at, backdrop, QRect(EmptyGaugeLeft, GaugeTop, GaugeWidth, GaugeHeight));
        return whole;
    }
    if (solved >= count) {
        Blit(box, at, backdrop, whole);
        return whole;
    }
    int h = GaugeFilledRows(solved, count);
    Blit(box, at, backdrop, QRect(EmptyGaugeLeft, GaugeTop, GaugeWidth, GaugeHeight - h));
    const int bottom = GaugeTop + GaugeHeight; // 347, one below the strip
    Blit(box, {GaugeLeft, bottom - h}, backdrop, QRect(GaugeLeft, bottom - h, GaugeWidth, h));
    return whole;
}

void DrawLevelDisplay(QImage& levelBox, const QImage& digitStrip, int level, bool solved) {
    const int digits[3] = {(level / 100) % 10, (level / 10) % 10, level % 10};
    bool leading = true;
    for (int i = 0; i < 3; ++i) {
        // Negative numbers never reach here; keep the picture sane if one did.
        int d = digits[i] < 0 ? -digits[i] : digits[i];
        if (d != 0) {
            leading = false;
        }
        bool blank = d == 0 && leading && i < 2;
        Blit(levelBox, {13 * i, 0}, digitStrip, DigitRect(blank ? 10 : d));
    }
    Blit(levelBox, {42, 0}, digitStrip, FaceRect(solved));
}

QString LevelHint(int level, bool solved, int language) {
    if (language == 1) {
        return QStringLiteral("Stufe %1: %2")
            .arg(level)
            .arg(solved ? QStringLiteral("gelöst") : QStringLiteral("ungelöst"));
    }
    return QStringLiteral("Level %1: %2")
        .arg(level)
        .arg(solved ? QStringLiteral("solved") : QStringLiteral("unsolved"));
}

} // namespace zt::render
