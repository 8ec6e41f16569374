// The art program itself: what it draws now, and the rules its pictures keep.
#include "assetset.h"
#include "backdrop.h"
#include "canvas.h"
#include "glyphs.h"
#include "marker.h"
#include "palette.h"
#include "test_art.h"

#include <QImage>
#include <QTest>
#include <vector>

namespace {

bool samePixels(const QByteArray& a, const QByteArray& b) {
    const QImage x = QImage::fromData(a).convertToFormat(QImage::Format_ARGB32);
    const QImage y = QImage::fromData(b).convertToFormat(QImage::Format_ARGB32);
    return !x.isNull() && x == y;
}

QImage frame(const QImage& strip, int f) {
    return strip.copy(20 * f, 0, 20, 20);
}

// Pixel (x, y) of `img` turned a quarter clockwise about the frame's centre.
QRgb quarterTurnSource(const QImage& img, int x, int y) {
    return img.pixel(y, 19 - x);
}

int colourDistance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

} // namespace

void TestArtDrawing::committedAssetsAreCurrent() {
    QStringList stale;
    for (const art::AssetFile& f : art::RenderAssets()) {
        const QByteArray committed = readSourceFile(f.path);
        // PNG bytes depend on the zlib at hand; their pixels must match.
        const bool same =
            f.path.endsWith(".png") ? samePixels(committed, f.bytes) : committed == f.bytes;
        if (!same)
            stale << f.path;
    }
    QVERIFY2(stale.isEmpty(),
             qPrintable("out of date, run ztrn-art assets docs: " + stale.join(", ")));
}

void TestArtDrawing::drawingIsRepeatable() {
    const std::vector<art::AssetFile> first = art::RenderAssets();
    const std::vector<art::AssetFile> second = art::RenderAssets();
    QCOMPARE(first.size(), second.size());
    QVERIFY(first.size() >= 33);
    for (size_t i = 0; i < first.size(); ++i) {
        QCOMPARE(first[i].path, second[i].path);
        QVERIFY2(first[i].bytes == second[i].bytes, qPrintable(first[i].path));
    }
}

void TestArtDrawing::masksMatchSprites_data() {
    QTest::addColumn<int>("z");
    QTest::newRow("1x") << 1;
    QTest::newRow("2x") << 2;
}

void TestArtDrawing::masksMatchSprites() {
    QFETCH(int, z);
    const int n = 20 * z; // side of a frame
    const QImage backdrop = art::DrawBackdrop(z);
    const QImage sprites = backdrop.copy(30 * z, 30 * z, 8 * n, n);
    const QImage masks = backdrop.copy(30 * z, 50 * z, 8 * n, n);
    for (int f = 0; f < 8; ++f) {
        const QImage s = sprites.copy(f * n, 0, n, n);
        const QImage m = masks.copy(f * n, 0, n, n);
        int car = 0;
        for (int y = 0; y < n; ++y) {
            for (int x = 0; x < n; ++x) {
                const bool drawn = (s.pixel(x, y) & 0xffffff) != 0;
                const QRgb mask = m.pixel(x, y) & 0xffffff;
                // AND with the mask then OR with the sprite leaves no fringe only when
                // the mask is black exactly where the sprite is not.
                QCOMPARE(mask, drawn ? 0u : 0xffffffu);
                car += drawn;
            }
        }
        QVERIFY(car > 80 * z * z);
        // No pure black inside the car: every black pixel reaches the frame's edge
        // through black, or the tile would shine through a hole in the car.
        std::vector<int> seen(n * n, 0), todo;
        for (int i = 0; i < n; ++i)
            for (int p : {i, n * (n - 1) + i, n * i, n * i + n - 1})
                if (!(s.pixel(p % n, p / n) & 0xffffff) && !seen[p]) {
                    seen[p] = 1;
                    todo.push_back(p);
                }
        while (!todo.empty()) {
            const int p = todo.back();
            todo.pop_back();
            const int x = p % n, y = p / n;
            const int next[4][2] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
            for (const auto& q : next) {
                if (q[0] < 0 || q[0] >= n || q[1] < 0 || q[1] >= n)
                    continue;
                const int i = q[1] * n + q[0];
                if (!seen[i] && !(s.pixel(q[0], q[1]) & 0xffffff)) {
                    seen[i] = 1;
                    todo.push_back(i);
                }
            }
        }
        for (int p = 0; p < n * n; ++p)
            if (!(s.pixel(p % n, p / n) & 0xffffff))
                QVERIFY2(
                    seen[p],
                    qPrintable(QString("hole in frame %1 at %2,%3").arg(f).arg(p % n).arg(p / n)));
    }
}

void TestArtDrawing::markerTurnsClockwise() {
    const QImage sprites = art::DrawMarkerSprites();
    QCOMPARE(sprites.size(), QSize(160, 20));
    for (int f = 0; f < 8; ++f) {
        const QImage now = frame(sprites, f);
        const QImage later = frame(sprites, (f + 2) % 8);
        const QImage next = frame(sprites, (f + 1) % 8);
        // Two steps on, the car has turned a quarter clockwise: the same picture turned.
        int car = 0, alike = 0, moved = 0;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                const QRgb turned = quarterTurnSource(now, x, y);
                if (!(turned & 0xffffff) && !(later.pixel(x, y) & 0xffffff))
                    continue;
                ++car;
                alike += colourDistance(turned, later.pixel(x, y)) < 90;
                moved += (now.pixel(x, y) & 0xffffff) != (next.pixel(x, y) & 0xffffff);
            }
        }
        QVERIFY2(alike * 10 >= car * 9, qPrintable(QString("frame %1").arg(f)));
        // One step on, the picture has changed: the car does turn every frame.
        QVERIFY2(moved > 10, qPrintable(QString("frame %1").arg(f)));
    }
}

void TestArtDrawing::keyColourStaysExclusive() {
    QImage drawn(6, 6, QImage::Format_RGB32);
    drawn.fill(art::kVoid);
    drawn.setPixel(2, 2, qRgb(250, 0, 250)); // a colour next to the key
    drawn.setPixel(3, 2, qRgb(255, 255, 255));
    drawn.setPixel(0, 5, qRgb(10, 200, 10)); // drawn where the key must go
    for (bool two : {false, true}) {
        const art::Picture p = art::MakeGlyph("t", drawn, two, 4);
        const QRgb key = qRgb(255, 0, 255);
        QCOMPARE(p.rgb.width(), two ? 12 : 6);
        QCOMPARE(p.palette.value(0) | 0xff000000u, key);
        QVERIFY(p.palette.size() <= 16);
        QCOMPARE(p.rgb.pixel(0, 5), key);
        if (two)
            QCOMPARE(p.rgb.pixel(6, 5), key);
        QVERIFY(p.rgb.pixel(2, 2) != key);
        QVERIFY(p.rgb.pixel(3, 2) != key);
        QCOMPARE(p.rgb.pixel(1, 1), key);
    }
}

void TestArtDrawing::paletteLimits() {
    // Many more colours than room: the palette keeps to its size and every pixel
    // lands on one of its entries.
    QImage rainbow(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            rainbow.setPixel(x, y, qRgb(x * 4, y * 4, (x ^ y) * 4));
    for (int count : {16, 256}) {
        const QList<QRgb> palette = art::medianCut(rainbow, count, {qRgb(255, 0, 255)});
        QVERIFY(palette.size() <= count);
        QCOMPARE(palette.first(), qRgb(255, 0, 255));
        const QImage indexed = art::toIndexed(rainbow, palette, count, true);
        QCOMPARE(indexed.colorCount(), count);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                QVERIFY(indexed.pixelIndex(x, y) > 0); // nothing drawn becomes the key
    }
    for (const art::Picture& g : art::DrawGlyphs()) {
        QVERIFY2(g.palette.size() <= (1 << g.bits), qPrintable(g.name));
        const QSet<QRgb> entries(g.palette.begin(), g.palette.end());
        for (int y = 0; y < g.rgb.height(); ++y)
            for (int x = 0; x < g.rgb.width(); ++x)
                QVERIFY2(entries.contains(g.rgb.pixel(x, y)), qPrintable(g.name));
    }
}
