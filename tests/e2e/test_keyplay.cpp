// A first afternoon without a mouse: the real game on a real X server, driven
// by keys alone from the language choice to the closing question.
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "catalogue.h"
#include "game.h"
#include "session.h"

using namespace e2e;

namespace {

// Whether the keyboard's frame stands on cell (c, r): a ring two pixels
// inside the cell's edge of nothing but white and black, both present.
bool FramedCell(const QImage& area, int c, int r) {
    int white = 0, black = 0;
    for (int i = 2; i <= 45; ++i) {
        for (QPoint p : {QPoint(i, 2), QPoint(i, 45), QPoint(2, i), QPoint(45, i)}) {
            const QRgb v = area.pixel(22 + 48 * c + p.x(), 20 + 48 * r + p.y()) & 0xffffff;
            if (v == 0xffffff) {
                ++white;
            } else if (v == 0) {
                ++black;
            } else {
                return false;
            }
        }
    }
    return white > 20 && black > 20;
}

// Keys in one go, with a little time for each.
void Keys(const QStringList& keys) {
    if (!keys.isEmpty()) {
        XDo(QStringList{"key", "--clearmodifiers", "--delay", "25"} + keys);
    }
}

} // namespace

class KeyPlay : public QObject {
    Q_OBJECT

    QTemporaryDir programDir_;
    QTemporaryDir configDir_;
    Pictures pics_;
    zt::LevelFile levels_;
    std::unique_ptr<Session> game_;

private slots:
    void initTestCase() {
        QVERIFY(programDir_.isValid() && configDir_.isValid());
        const QString failed = PrepareGame(programDir_.path(), pics_, levels_);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }

    void levelSolvedAndGameLeftWithKeysOnly() {
        game_ = std::make_unique<Session>(programDir_.path(), configDir_.path());
        QVERIFY(game_->Start());
        QVERIFY2(game_->Splash(10000).valid(), "no splash window");
        Key("Escape");
        Window tongue = game_->TongueDialog(6000);
        QVERIFY2(tongue.valid(), "no language dialog at the first start");
        Pause(300);
        Keys({"Tab", "Return"}); // from "I speak english." to "Ich spreche deutsch."
        QVERIFY(game_->NoDialog(3000));
        Window main = game_->Main();
        QVERIFY(main.valid());
        Focus(main);
        Pause(300);

        // Read the deal before the frame is on the board.
        const SeenBoard seen = ReadBoard(game_->BoardArea(), pics_);
        QVERIFY2(seen.selCol >= 0, "no marker seen on the board");
        QVERIFY(!FramedCell(game_->BoardArea(), seen.selCol, seen.selRow));
        const auto clicks = PlanSwaps(seen, levels_.records.at(0));
        QVERIFY(!clicks.empty());

        // Tab: the frame comes onto the marked cell.
        Key("Tab");
        Pause(300);
        QVERIFY2(FramedCell(game_->BoardArea(), seen.selCol, seen.selRow),
                 "no frame on the marked cell after Tab");

        int col = seen.selCol, row = seen.selRow;
        for (zt::Cell cell : clicks) {
            QStringList keys;
            for (; col < cell.c; ++col)
                keys << "Right";
            for (; col > cell.c; --col)
                keys << "Left";
            for (; row < cell.r; ++row)
                keys << "Down";
            for (; row > cell.r; --row)
                keys << "Up";
            keys << "space";
            Keys(keys);
        }
        Window won = game_->MessageDialog(5000);
        QVERIFY2(won.valid(), "no \"won\" message after the last move");
        Key("Return");
        QVERIFY(game_->NoDialog(3000));
        // A window manager gives the main window the focus back; there is none.
        Focus(game_->Main());
        Pause(300);
        Screenshot()
            .copy(game_->Main().rect)
            .save(QStringLiteral(ZTRN_BUILD_DIR) + "/e2e-keyplay.png");
        QVERIFY(SmilingFace(game_->LevelBox(), pics_));
        QVERIFY2(FramedCell(game_->BoardArea(), col, row), "no frame after the message");

        // Ctrl+Q asks first; Enter says yes; Escape leaves the save dialog.
        Key("ctrl+q");
        QVERIFY2(game_->MessageDialog(5000).valid(), "no closing question after Ctrl+Q");
        Key("Return");
        QVERIFY2(game_->FileDialog(5000).valid(), "no save dialog at close");
        Pause(300);
        Key("Escape");
        QVERIFY2(game_->WaitForExit(10000), "the game did not end");
        QSettings settings(configDir_.filePath("ZorblyGames/ZorblyTarnel-V2.ini"),
                           QSettings::IniFormat);
        QCOMPARE(settings.value("common/tongue").toString(), QStringLiteral("1"));
        QCOMPARE(settings.value("common/level").toString(), QStringLiteral("1"));
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    KeyPlay test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_keyplay.moc"
