// The gauge and the level display, checked against the rectangles of the
// game's own pictures; the glyphs of the buttons on the board's rim.
#include <QSet>
#include <QTest>

#include "glyphs.h"
#include "paintbox.h"
#include "render.h"
#include "test_ui.h"
#include "uifixture.h"

using uitest::Rgb;

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
}

void DrawingTest::gaugeRowsFollowTheShareOfSolvedLevels() {
    QFETCH(int, solved);
    QFETCH(int, count);
    QFETCH(int, blue);
    uitest::Game g;
    g.Start(count, uitest::NeverFittingRecord());
    std::fill_n(zt::GameTestAccess{g.State()}.solvedFlags().begin(), solved, 1);
    auto& f = g.Form();
    Controls(f).box->Image().fill(Qt::white); // so that a row left undrawn shows
    f.DrawGauge();
    const QImage back = Rgb(zt::TestSeam::Bitmaps(f).Item(1).Bitmap);
    const QImage& box = Controls(f).box->Image();
    // Grey from the top, blue from the bottom, nothing beside the strip.
    QCOMPARE(box.copy(469, 32, 31, 315 - blue), back.copy(415, 32, 31, 315 - blue));
    QCOMPARE(box.copy(469, 347 - blue, 31, blue), back.copy(469, 347 - blue, 31, blue));
    QCOMPARE(box.pixel(468, 100), qRgb(255, 255, 255));
    QCOMPARE(box.pixel(500, 100), qRgb(255, 255, 255));
    QCOMPARE(box.pixel(469, 31), qRgb(255, 255, 255));
    QCOMPARE(box.pixel(469, 347), qRgb(255, 255, 255));
}

void DrawingTest::levelDisplayBlanksOnlyLeadingZeros_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("solved");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("digits"); // '_' an unlit cell
    QTest::addColumn<QString>("hint");
    QTest::newRow("1") << 1 << false << 0 << "__1"
                       << "Level 1: unsolved";
    QTest::newRow("7") << 7 << false << -1 << "__7"
                       << "Level 7: unsolved";
    QTest::newRow("10") << 10 << true << 0 << "_10"
                        << "Level 10: solved";
    QTest::newRow("12 German") << 12 << true << 1 << "_12"
                               << "Stufe 12: gelöst";
    QTest::newRow("40") << 40 << false << 1 << "_40"
                        << "Stufe 40: ungelöst";
    QTest::newRow("100") << 100 << false << 0 << "100"
                         << "Level 100: unsolved";
    QTest::newRow("105") << 105 << true << 2 << "105"
                         << "Level 105: solved";
    QTest::newRow("500") << 500 << false << 0 << "500"
                         << "Level 500: unsolved";
}

void DrawingTest::levelDisplayBlanksOnlyLeadingZeros() {
    QFETCH(int, level);
    QFETCH(bool, solved);
    QFETCH(int, language);
    QFETCH(QString, digits);
    QFETCH(QString, hint);
    uitest::Game g;
    g.Start(500, uitest::NeverFittingRecord(), language);
    zt::GameTestAccess{g.State()}.currentLevel() = level;
    zt::GameTestAccess{g.State()}.solvedFlags()[level - 1] = solved;
    auto& f = g.Form();
    f.UpdateCaption();
    const QImage strip = Rgb(zt::TestSeam::Bitmaps(f).Item(2).Bitmap);
    for (int i = 0; i < 3; ++i) {
        const int d = digits[i] == '_' ? 10 : digits[i].digitValue();
        QCOMPARE(Controls(f).levelbox->Image().copy(13 * i, 0, 11, 20), strip.copy(zt::render::DigitRect(d)));
    }
    QCOMPARE(Controls(f).levelbox->Image().copy(42, 0, 13, 20), strip.copy(zt::render::FaceRect(solved)));
    QCOMPARE(Controls(f).levelbox->toolTip(), hint);
}

void DrawingTest::boardPointsFallInCells_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QPoint>("cell"); // (-1, -1): none, the frame around the board
    QTest::newRow("first pixel") << QPoint(22, 20) << QPoint(0, 0);
    QTest::newRow("last pixel") << QPoint(453, 355) << QPoint(8, 6);
    QTest::newRow("next cell") << QPoint(70, 68) << QPoint(1, 1);
    QTest::newRow("end of the first") << QPoint(69, 67) << QPoint(0, 0);
    QTest::newRow("right of the board") << QPoint(454, 100) << QPoint(-1, -1);
    QTest::newRow("below the board") << QPoint(100, 356) << QPoint(-1, -1);
    QTest::newRow("left of the board") << QPoint(21, 100) << QPoint(-1, -1);
    QTest::newRow("above the board") << QPoint(100, 19) << QPoint(-1, -1);
    QTest::newRow("outside the area") << QPoint(-5, -5) << QPoint(-1, -1);
}

void DrawingTest::boardPointsFallInCells() {
    QFETCH(QPoint, point);
    QFETCH(QPoint, cell);
    const auto at = zt::render::CellAt(point);
    QCOMPARE(at ? QPoint(at->c, at->r) : QPoint(-1, -1), cell);
}

void DrawingTest::rimGlyphsHaveBothLooksAtEveryZoom() {
    using zt::RimButton;
    QSet<QByteArray> pictures;
    for (RimButton which : {RimButton::Undo, RimButton::Redo, RimButton::Hint, RimButton::AllLevels,
                            RimButton::ZoomOut, RimButton::ZoomIn}) {
        const QIcon icon = zt::RimGlyph(which);
        const QList<QSize> sizes{{16, 16}, {32, 32}, {48, 48}};
        QCOMPARE(icon.availableSizes(QIcon::Normal), sizes);
        QCOMPARE(icon.availableSizes(QIcon::Disabled), sizes);
        const QImage normal = icon.pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(qAlpha(normal.pixel(0, 15)), 0);
        pictures.insert(
            QByteArray(reinterpret_cast<const char*>(normal.constBits()), normal.sizeInBytes()));
    }
    // Each button its own picture.
    QCOMPARE(pictures.size(), 6);
}
