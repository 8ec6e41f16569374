// The pictures as block transfers: gauge rows, level display, marker by AND
// and OR. Synthetic source images make every source rectangle recognisable.
#include <QTest>

#include "render.h"
#include "test_ui.h"

using namespace zt::render;

namespace {

const QRgb Grey = qRgb(90, 90, 90);
const QRgb Blue = qRgb(0, 0, 200);

// A backdrop whose empty gauge strip is grey and whose full strip is blue.
QImage GaugeBackdrop() {
    QImage b(BoxWidth, BoxHeight, QImage::Format_RGB32);
    b.fill(Qt::black);
    for (int y = GaugeTop; y < GaugeTop + GaugeHeight; ++y) {
        for (int x = 0; x < GaugeWidth; ++x) {
            b.setPixel(EmptyGaugeLeft + x, y, Grey);
            b.setPixel(GaugeLeft + x, y, Blue);
        }
    }
    return b;
}

// Rows of the drawn gauge that are blue, checked to be one block at the bottom.
int BlueRows(const QImage& box) {
    int blue = 0;
    for (int y = GaugeTop; y < GaugeTop + GaugeHeight; ++y) {
        QRgb left = box.pixel(GaugeLeft, y);
        QRgb right = box.pixel(GaugeLeft + GaugeWidth - 1, y);
        if (left != right || (left != Blue && left != Grey)) {
            return -1;
        }
        if (left == Blue) {
            ++blue;
        } else if (blue > 0) {
            return -2; // grey below blue: filled from the wrong end
        }
    }
    return blue;
}

// Digit cell d (10 = unlit) and the two faces, each in its own colour.
QRgb DigitColour(int d) {
    return qRgb(20 * d + 5, 100, 0);
}
QImage DigitStrip() {
    QImage s(148, 20, QImage::Format_RGB32);
    s.fill(Qt::black);
    for (int d = 0; d <= 10; ++d) {
        for (int x = 0; x < 11; ++x) {
            for (int y = 0; y < 20; ++y) {
                s.setPixel(11 * d + x, y, DigitColour(d));
            }
        }
    }
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 13; ++x) {
            s.setPixel(122 + x, y, qRgb(255, 255, 0));
            s.setPixel(135 + x, y, qRgb(255, 0, 0));
        }
    }
    return s;
}

QString Shown(const QImage& lb) {
    QString out;
    for (int i = 0; i < 3; ++i) {
        QRgb c = lb.pixel(13 * i + 5, 10);
        int d = (qRed(c) - 5) / 20;
        out += d == 10 ? QChar('_') : QChar('0' + d);
    }
    out += lb.pixel(48, 10) == qRgb(255, 255, 0) ? QStringLiteral(":)") : QStringLiteral(":(");
    return out;
}

} // namespace

void DrawingTest::gaugeRowsFollowTheShareOfSolvedLevels_data() {
    QTest::addColumn<int>("solved");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("blue");
    QTest::newRow("none") << 0 << 500 << 0;
    QTest::newRow("1 of 500 is still empty") << 1 << 500 << 0;
    QTest::newRow("2 of 500") << 2 << 500 << 1;
    QTest::newRow("250 of 500") << 250 << 500 << 157;
    QTest::newRow("499 of 500") << 499 << 500 << 314;
    QTest::newRow("all 500") << 500 << 500 << 315;
    QTest::newRow("1 of 3") << 1 << 3 << 105;
    QTest::newRow("2 of 3") << 2 << 3 << 210;
    QTest::newRow("1 of 1") << 1 << 1 << 315;
    QTest::newRow("no levels") << 0 << 0 << 0;
}

void DrawingTest::gaugeRowsFollowTheShareOfSolvedLevels() {
    QFETCH(int, solved);
    QFETCH(int, count);
    QFETCH(int, blue);
    const QImage backdrop = GaugeBackdrop();
    QImage box(BoxWidth, BoxHeight, QImage::Format_RGB32);
    // Start from the opposite state, so a row left undrawn shows.
    box.fill(Qt::white);
    DrawGauge(box, backdrop, solved, count);
    QCOMPARE(BlueRows(box), blue);
    if (blue > 0 && blue < GaugeHeight) {
        QCOMPARE(box.pixel(GaugeLeft, 346), Blue);
        QCOMPARE(box.pixel(GaugeLeft, 347 - blue - 1), Grey);
    }
    // Nothing beside the strip is touched.
    QCOMPARE(box.pixel(GaugeLeft - 1, 100), qRgb(255, 255, 255));
    QCOMPARE(box.pixel(GaugeLeft + GaugeWidth, 100), qRgb(255, 255, 255));
    QCOMPARE(box.pixel(GaugeLeft, GaugeTop - 1), qRgb(255, 255, 255));
    QCOMPARE(box.pixel(GaugeLeft, GaugeTop + GaugeHeight), qRgb(255, 255, 255));
}

void DrawingTest::levelDisplayBlanksOnlyLeadingZeros_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("solved");
    QTest::addColumn<QString>("shown");
    QTest::newRow("1") << 1 << false << "__1:(";
    QTest::newRow("7") << 7 << false << "__7:(";
    QTest::newRow("10") << 10 << true << "_10:)";
    QTest::newRow("40") << 40 << false << "_40:(";
    QTest::newRow("100") << 100 << true << "100:)";
    QTest::newRow("105") << 105 << false << "105:(";
    QTest::newRow("500") << 500 << false << "500:(";
    QTest::newRow("above 999: three lowest digits") << 1007 << false << "__7:(";
}

void DrawingTest::levelDisplayBlanksOnlyLeadingZeros() {
    QFETCH(int, level);
    QFETCH(bool, solved);
    QFETCH(QString, shown);
    QImage lb(LevelBoxWidth, LevelBoxHeight, QImage::Format_RGB32);
    lb.fill(Qt::white);
    DrawLevelDisplay(lb, DigitStrip(), level, solved);
    QCOMPARE(Shown(lb), shown);
    // The gaps between the digit cells are not drawn.
    QCOMPARE(lb.pixel(11, 10), qRgb(255, 255, 255));
    QCOMPARE(lb.pixel(40, 10), qRgb(255, 255, 255));
}

void DrawingTest::levelHintInBothLanguages() {
    QCOMPARE(LevelHint(12, true, 1), QStringLiteral("Stufe 12: gelöst"));
    QCOMPARE(LevelHint(3, false, 0), QStringLiteral("Level 3: unsolved"));
    QCOMPARE(LevelHint(7, false, -1), QStringLiteral("Level 7: unsolved"));
    QCOMPARE(LevelHint(500, true, 2), QStringLiteral("Level 500: solved"));
    QCOMPARE(LevelHint(9, false, 1), QStringLiteral("Stufe 9: ungelöst"));
}

void DrawingTest::markerIsMaskedByAndThenSpriteByOr() {
    // Tile 21 is a gradient; mask and sprite of frame 3 have known patterns.
    QImage sheet(960, 480, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    const QRect t = TileRect(21);
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 48; ++x) {
            sheet.setPixel(t.x() + x, t.y() + y, qRgb(5 * x, 5 * y, 0xA5));
        }
    }
    QImage backdrop(BoxWidth, BoxHeight, QImage::Format_RGB32);
    backdrop.fill(Qt::black);
    const QRect mask = MarkerMaskRect(3), sprite = MarkerSpriteRect(3);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            bool hole = x >= 5 && x < 15 && y >= 5 && y < 15;
            backdrop.setPixel(mask.x() + x, mask.y() + y,
                              hole ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
            backdrop.setPixel(sprite.x() + x, sprite.y() + y, hole ? qRgb(x * 10, 0x0F, 0x50) : 0);
        }
    }
    QImage cell(48, 48, QImage::Format_RGB32);
    const QPoint anchor(13, 7);
    ComposeSelectedCell(cell, sheet, backdrop, 21, anchor, 3, false);
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 48; ++x) {
            QRgb expected = sheet.pixel(t.x() + x, t.y() + y);
            QPoint m(x - anchor.x(), y - anchor.y());
            if (QRect(0, 0, 20, 20).contains(m)) {
                expected &= backdrop.pixel(mask.topLeft() + m);
                expected |= backdrop.pixel(sprite.topLeft() + m);
            }
            QCOMPARE(cell.pixel(x, y) & 0xFFFFFF, expected & 0xFFFFFF);
        }
    }
    // A solved level shows the plain tile.
    ComposeSelectedCell(cell, sheet, backdrop, 21, anchor, 3, true);
    QCOMPARE(cell, sheet.copy(t));
}
