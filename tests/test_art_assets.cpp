// The committed assets as the game and the media tool will read them.
#include "bmp.h"
#include "test_art.h"

#include <QImage>
#include <QTest>
#include <cmath>
#include <set>

namespace {

struct GlyphFile {
    const char* name;
    int width, height, bits, images;
};

const GlyphFile kGlyphs[] = {
    {"newgame", 18, 18, 4, 1},  {"restart", 36, 18, 4, 2}, {"load", 36, 18, 8, 2},
    {"save", 36, 18, 8, 2},     {"sound", 32, 16, 4, 2},   {"exit", 18, 18, 4, 1},
    {"sdown", 30, 15, 4, 2},    {"sup", 30, 15, 4, 2},     {"tongue", 15, 15, 8, 1},
    {"rules", 18, 18, 4, 1},    {"info", 18, 18, 4, 1},    {"zorbly", 26, 20, 8, 1},
    {"smile", 17, 17, 4, 1},    {"uturn", 36, 18, 4, 2},   {"cross", 36, 18, 4, 2},
    {"door", 18, 18, 4, 1},     {"cancel", 36, 18, 4, 2},  {"flags_en", 53, 20, 4, 1},
    {"flags_de", 80, 20, 4, 1}, {"undo", 32, 16, 4, 2},    {"redo", 32, 16, 4, 2},
    {"hint", 32, 16, 4, 2},     {"levels", 32, 16, 4, 2},  {"zoomout", 32, 16, 4, 2},
    {"zoomin", 32, 16, 4, 2},
};

// A glyph's file name without ".bmp", with `z` times the pixels.
QString glyphName(const char* name, int z) {
    return z == 1 ? QString(name) : QString("%1@%2x").arg(name).arg(z);
}

std::span<const std::uint8_t> bytesOf(const QByteArray& b) {
    return {reinterpret_cast<const std::uint8_t*>(b.constData()), std::size_t(b.size())};
}

zt::BmpImage decode(const QString& path) {
    const QByteArray file = readSourceFile(path);
    if (file.isEmpty())
        return {};
    return zt::DecodeBmp(bytesOf(file));
}

int lum(QRgb c) {
    return (77 * qRed(c) + 150 * qGreen(c) + 29 * qBlue(c)) >> 8;
}
int chroma(QRgb c) {
    return std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)});
}
int distance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

} // namespace

void TestArtAssets::bitmapFormats_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("fileSize"); // 0: not fixed
    // The three pictures the game embeds have the sizes its media records expect.
    QTest::newRow("tilesheet") << "assets/tilesheet.bmp" << 960 << 480 << 24 << 1382454;
    QTest::newRow("backdrop") << "assets/backdrop.bmp" << 520 << 376 << 24 << 586614;
    QTest::newRow("digits") << "assets/digits.bmp" << 148 << 20 << 8 << 4038;
    QTest::newRow("tilesheet@2x") << "assets/tilesheet@2x.bmp" << 1920 << 960 << 24 << 0;
    QTest::newRow("backdrop@2x") << "assets/backdrop@2x.bmp" << 1040 << 752 << 24 << 0;
    QTest::newRow("digits@2x") << "assets/digits@2x.bmp" << 296 << 40 << 8 << 0;
    QTest::newRow("splash") << "assets/splash.bmp" << 200 << 150 << 8 << 0;
    QTest::newRow("icon") << "assets/icon.bmp" << 32 << 32 << 4 << 0;
    QTest::newRow("splash@2x") << "assets/splash@2x.bmp" << 400 << 300 << 8 << 0;
    QTest::newRow("icon@2x") << "assets/icon@2x.bmp" << 64 << 64 << 4 << 0;
    for (const GlyphFile& g : kGlyphs) {
        for (int z : {1, 2, 3}) {
            const QString name = glyphName(g.name, z);
            QTest::newRow(qPrintable(name))
                << "assets/glyphs/" + name + ".bmp" << z * g.width << z * g.height << g.bits << 0;
        }
    }
}

void TestArtAssets::bitmapFormats() {
    QFETCH(QString, path);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, bits);
    QFETCH(int, fileSize);
    const QByteArray file = readSourceFile(path);
    QVERIFY2(!file.isEmpty(), qPrintable(path + " is missing"));
    const zt::BmpInfo info = zt::ReadBmpInfo(bytesOf(file));
    QCOMPARE(info.width, width);
    QCOMPARE(info.height, height);
    QCOMPARE(info.bitsPerPixel, bits);
    QVERIFY(!info.topDown);
    QCOMPARE(int(info.palette.size()), bits == 24 ? 0 : 1 << bits);
    if (fileSize)
        QCOMPARE(int(file.size()), fileSize);
    // Qt's own reader, which the tool bar uses, must take it as well.
    QImage viaQt;
    QVERIFY(viaQt.loadFromData(file, "BMP"));
    QCOMPARE(viaQt.size(), QSize(width, height));
}

void TestArtAssets::glyphTransparency() {
    for (int z : {1, 2, 3}) {
        for (const GlyphFile& g : kGlyphs) {
            const zt::BmpImage img = decode("assets/glyphs/" + glyphName(g.name, z) + ".bmp");
            QVERIFY2(img.width == g.width * z, g.name);
            const int w = g.width * z / g.images;
            const std::uint32_t key = img.At(0, img.height - 1);
            for (int i = 0; i < g.images; ++i) {
                // Every image carries the same see-through colour in its own corner...
                QVERIFY2(img.At(i * w, img.height - 1) == key, g.name);
                // ...and shows something besides it.
                int shown = 0;
                for (int y = 0; y < img.height; ++y)
                    for (int x = i * w; x < (i + 1) * w; ++x)
                        shown += img.At(x, y) != key;
                QVERIFY2(shown * 5 >= w * img.height, g.name);
            }
            if (g.images == 2) {
                // The disabled look is grey: no colour of the normal look survives in it.
                for (int y = 0; y < img.height; ++y)
                    for (int x = w; x < 2 * w; ++x)
                        if (img.At(x, y) != key)
                            QVERIFY2(chroma(img.At(x, y)) < 16, g.name);
            }
        }
    }
}

// The pictures of the backdrop and the digit strip as drawn at 1x, 2x and 3x: the
// same layout, every coordinate times the zoom.
void TestArtAssets::pictureZooms_data() {
    QTest::addColumn<int>("z");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("1x") << 1 << "";
    QTest::newRow("2x") << 2 << "@2x";
    QTest::newRow("3x") << 3 << "@3x";
}

void TestArtAssets::backdropLayout() {
    QFETCH(int, z);
    QFETCH(QString, suffix);
    const zt::BmpImage img = decode("assets/backdrop" + suffix + ".bmp");
    QCOMPARE(img.width, 520 * z);
    QCOMPARE(img.height, 376 * z);
    auto zoomed = [z](int x, int y, int w, int h) { return QRect(x * z, y * z, w * z, h * z); };
    const QRect field = zoomed(22, 20, 432, 336);
    const QRect markers = zoomed(30, 30, 160, 40);
    const QRect emptyGauge = zoomed(415, 32, 31, 315);
    const QRect fullGauge = zoomed(469, 32, 31, 315);
    long long frameChroma = 0, framePixels = 0;
    for (int y = 0; y < img.height; ++y) {
        for (int x = 0; x < img.width; ++x) {
            const QRgb c = img.At(x, y);
            if (field.contains(x, y)) {
                if (!markers.contains(x, y) && !emptyGauge.contains(x, y))
                    QVERIFY2((c & 0xffffff) == 0,
                             qPrintable(QString("field pixel %1,%2").arg(x).arg(y)));
            } else if (!fullGauge.contains(x, y)) {
                QVERIFY2(lum(c) > 24, qPrintable(QString("frame pixel %1,%2").arg(x).arg(y)));
                frameChroma += chroma(c);
                ++framePixels;
            }
        }
    }
    // The frame is grey stone, not coloured.
    QVERIFY(frameChroma < framePixels * 12);
    // The board field's edges are black right up to the frame: the cells cover them.
    for (int x = field.left(); x <= field.right(); ++x) {
        QCOMPARE(img.At(x, field.top()) & 0xffffff, 0u);
        QCOMPARE(img.At(x, field.bottom()) & 0xffffff, 0u);
        QVERIFY(img.At(x, field.top() - 1) & 0xffffff);
        QVERIFY(img.At(x, field.bottom() + 1) & 0xffffff);
    }
}

void TestArtAssets::gaugeStrips() {
    QFETCH(int, z);
    QFETCH(QString, suffix);
    const zt::BmpImage img = decode("assets/backdrop" + suffix + ".bmp");
    QCOMPARE(img.width, 520 * z);
    const QRgb emptyGround = img.At(415 * z, 32 * z);
    const QRgb fullGround = img.At(469 * z, 32 * z);
    int letters = 0, shared = 0, top = 0, bottom = 0;
    for (int y = 0; y < 315 * z; ++y) {
        for (int x = 0; x < 31 * z; ++x) {
            const QRgb e = img.At(415 * z + x, 32 * z + y);
            const QRgb f = img.At(469 * z + x, 32 * z + y);
            QVERIFY2(chroma(e) <= 8, "the empty strip is grey");
            const bool inEmpty = lum(e) - lum(emptyGround) > 50;
            const bool inFull = distance(f, fullGround) > 90;
            if (inEmpty) {
                ++letters;
                top += y < 32 * z;
                bottom += y >= (315 - 32) * z;
            }
            if (inFull && inEmpty) {
                ++shared;
                QVERIFY2(qBlue(f) > qRed(f) + 40 && qBlue(f) > qGreen(f) + 20,
                         "the full strip's lettering is blue");
            }
        }
    }
    QVERIFY2(letters > 31 * 315 * z * z / 8, "lettering fills a good share of the strip");
    QVERIFY2(shared * 10 > letters * 9, "both strips carry the same lettering");
    // The lettering runs the whole height, so the gauge shows progress from the first row.
    QVERIFY(top > 20);
    QVERIFY(bottom > 20);
}

void TestArtAssets::digitStrip() {
    QFETCH(int, z);
    QFETCH(QString, suffix);
    const zt::BmpImage img = decode("assets/digits" + suffix + ".bmp");
    QCOMPARE(img.width, 148 * z);
    QCOMPARE(img.height, 20 * z);
    const QRgb black = qRgb(0, 0, 0), olive = qRgb(64, 64, 0), yellow = qRgb(255, 255, 0),
               red = qRgb(255, 0, 0);
    // Colour count in the columns left .. left + width of the 1x strip.
    auto count = [&](int left, int width, QRgb colour) {
        int n = 0;
        for (int y = 0; y < 20 * z; ++y)
            for (int x = left * z; x < (left + width) * z; ++x)
                n += img.At(x, y) == colour;
        return n;
    };
    for (int y = 0; y < 20 * z; ++y)
        for (int x = 0; x < 148 * z; ++x) {
            const QRgb c = img.At(x, y);
            QVERIFY(c == black || c == olive || c == yellow || c == red);
        }
    std::set<QByteArray> patterns;
    for (int d = 0; d < 10; ++d) {
        QVERIFY(count(11 * d, 11, yellow) >= 8 * z);
        QVERIFY(count(11 * d, 11, olive) > 0);
        QCOMPARE(count(11 * d, 11, red), 0);
        QByteArray pattern;
        for (int y = 0; y < 20 * z; ++y)
            for (int x = 11 * d * z; x < (11 * d + 11) * z; ++x)
                pattern.append(img.At(x, y) == yellow ? '#' : '.');
        patterns.insert(pattern);
    }
    QCOMPARE(int(patterns.size()), 10);
    // The unlit cell has the same dots, none of them lit.
    QCOMPARE(count(110, 11, yellow), 0);
    QCOMPARE(count(110, 11, olive), count(0, 11, olive) + count(0, 11, yellow));
    QCOMPARE(count(121, 1, black), 20 * z * z);
    QVERIFY(count(122, 13, yellow) > 60 * z * z);
    QCOMPARE(count(122, 13, red), 0);
    QVERIFY(count(135, 13, red) > 60 * z * z);
    QCOMPARE(count(135, 13, yellow), 0);
}

void TestArtAssets::waveFiles_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("samples");
    QTest::newRow("move") << "assets/move.wav" << 11025 << 661;
    QTest::newRow("solved") << "assets/solved.wav" << 22050 << 77992;
}

void TestArtAssets::waveFiles() {
    QFETCH(QString, path);
    QFETCH(int, rate);
    QFETCH(int, samples);
    const QByteArray w = readSourceFile(path);
    auto u16 = [&](int at) { return int(uchar(w[at])) | int(uchar(w[at + 1])) << 8; };
    auto u32 = [&](int at) { return qint64(u16(at)) | qint64(u16(at + 2)) << 16; };
    QCOMPARE(int(w.size()), 44 + samples + (samples & 1));
    QCOMPARE(w.left(4), QByteArray("RIFF"));
    QCOMPARE(u32(4), qint64(w.size() - 8));
    QCOMPARE(w.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(u32(16), 16);
    QCOMPARE(u16(20), 1); // PCM
    QCOMPARE(u16(22), 1); // mono
    QCOMPARE(u32(24), rate);
    QCOMPARE(u32(28), rate);
    QCOMPARE(u16(32), 1);
    QCOMPARE(u16(34), 8);
    QCOMPARE(w.mid(36, 4), QByteArray("data"));
    QCOMPARE(u32(40), samples);

    std::vector<int> s(samples);
    double sum = 0;
    for (int i = 0; i < samples; ++i) {
        s[i] = uchar(w[44 + i]) - 128;
        sum += s[i];
        QVERIFY2(s[i] > -128 && s[i] < 127, "no clipped samples");
    }
    QVERIFY(std::abs(sum / samples) < 1.5);
    QVERIFY(std::abs(s.front()) <= 4 && std::abs(s.back()) <= 4);
    auto rms = [&](double from, double to) {
        const int a = int(from * rate), b = std::min(samples, int(to * rate));
        double e = 0;
        for (int i = a; i < b; ++i)
            e += double(s[i]) * s[i];
        return std::sqrt(e / std::max(1, b - a));
    };
    const double length = double(samples) / rate;
    if (samples > 1000) {
        QVERIFY2(rms(0, 0.03) < 0.5 * rms(0.2, 0.6), "swells in over its first 0.2 s");
        QVERIFY2(rms(length - 0.1, length) < 0.15 * rms(1.0, 2.0), "fades out at the end");
        QVERIFY2(rms(length - 1.0, length - 0.8) > 2 * rms(length - 0.2, length),
                 "the fade takes the whole last second");
        QVERIFY(rms(1.0, 2.0) > 10);
    } else {
        QVERIFY2(rms(0, 0.02) > 3 * rms(0.04, length), "a click, loudest at its start");
        QVERIFY(rms(0, 0.02) > 8);
    }
}

void TestArtAssets::desktopIcons() {
    for (int size : {16, 32, 48, 64, 128, 256}) {
        QImage icon;
        const QString name = QString("/assets/icons/zorbly-tarnel-%1.png").arg(size);
        QVERIFY(icon.load(QString::fromUtf8(zt::testpaths::SourceDir) + name));
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY(icon.hasAlphaChannel());
        icon = icon.convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(icon.pixel(size - 1, size - 1)), 0);
        QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    }
}

void TestArtAssets::resourcesMatchAssets() {
    QStringList files{"splash.bmp", "icon.bmp", "splash@2x.bmp", "icon@2x.bmp"};
    for (const GlyphFile& g : kGlyphs)
        for (int z : {1, 2, 3})
            files << "glyphs/" + glyphName(g.name, z) + ".bmp";
    for (int size : {16, 32, 48, 64, 128, 256})
        files << QString("icons/zorbly-tarnel-%1.png").arg(size);
    for (const QString& f : files) {
        const QString alias = f.startsWith("glyphs/") ? f.mid(7) : f;
        QFile res(":/glyphs/" + alias);
        QVERIFY2(res.open(QIODevice::ReadOnly), qPrintable(":/glyphs/" + alias));
        QVERIFY2(res.readAll() == readSourceFile("assets/" + f), qPrintable(alias));
    }
}
