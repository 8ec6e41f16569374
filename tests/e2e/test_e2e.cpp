// The whole game on a real X server, played with the mouse and the keyboard
// and watched through screenshots. The cases run in order and share the
// program folder and settings folder, like one player's afternoon; the last
// is a second player's, with the keyboard alone.
//
// Nothing here waits on the clock: each step waits until the screen shows
// what it needs, and a key goes only to a window that holds the focus.
#include <QDir>
#include <QPainter>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <algorithm>
#include <memory>

#include "catalogue.h"
#include "game.h"
#include "hint.h"
#include "session.h"
#include "testpaths.h"

using namespace e2e;

namespace {

// A file the run leaves in the build folder, a screenshot to look at.
QString InBuild(const char* name) {
    return QString::fromUtf8(zt::testpaths::BuildDir) + u'/' + QLatin1String(name);
}

// Tool-bar controls (centres, inside the tool-bar panel).
const QPoint NewGameBtn(16, 16), RestartBtn(44, 16), LoadBtn(72, 16), SaveBtn(100, 16),
    ExitBtn(156, 16), sDownBtn(288, 17), sUpBtn(389, 17), RulesBtn(441, 16);
// Message dialog buttons (centres): the left and right button of a question,
// the single OK button.
const QPoint QuestionYes(44 + 38, 68 + 13), RestartYes(48 + 38, 68 + 13),
    RightNo(136 + 38, 68 + 13), OkButton(92 + 38, 68 + 13);

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

} // namespace

class EndToEnd : public QObject {
    Q_OBJECT

    QTemporaryDir programDir_;
    QTemporaryDir configDir_;
    Pictures pics_;
    zt::LevelFile levels_;
    std::unique_ptr<Session> game_;
    QRect placeBeforeClose_;
    QMargins frameBeforeClose_;

    void Start(const QStringList& arguments = {}) {
        game_ = std::make_unique<Session>(programDir_.path(), configDir_.path());
        QVERIFY(game_->Start(arguments));
    }


    // Whether the window is there and has taken the keyboard focus.
    static bool FocusOn(const Window& w) {
        if (!w.valid() || !Focus(w)) {
            qWarning("window \"%s\" (%llu) has not taken the focus", qPrintable(w.name), w.id);
            return false;
        }
        return true;
    }

    // The splash clicked away, and gone.
    void PassSplash() {
        Window splash = game_->Splash(10000);
        QVERIFY2(splash.valid(), "no splash window");
        ClickIn(splash, 100, 75);
        QVERIFY(WaitUntilGone(
            game_->Pid(), [](const Window& w) { return w.rect.size() == QSize(200, 150); }, 5000));
    }

    // The main window takes keys while no dialog is open: Right and Left
    // come back to the level shown. A dialog opened before would have kept them.
    void TakesKeysWithoutADialog() {
        const int level = Level();
        QVERIFY(FocusOn(game_->Main()));
        Key("Right");
        QTRY_COMPARE(Level(), level + 1);
        QVERIFY(game_->NoDialog(0));
        Key("Left");
        QTRY_COMPARE(Level(), level);
    }

    // The board once it is drawn whole, every cell a tile to the pixel but
    // the marked one: right after a window over it has gone, part of it can
    // still show what that window left until the game has drawn it again.
    SeenBoard DrawnBoard(QImage* picture = nullptr) {
        SeenBoard seen;
        QImage area;
        WaitFor(
            [&] {
                area = game_->BoardArea();
                seen = ReadBoard(area, pics_);
                return seen.inexact == 1;
            },
            5000);
        if (picture)
            *picture = area;
        return seen;
    }

    int SelectedCell() {
        const SeenBoard seen = ReadBoard(game_->BoardArea(), pics_);
        return seen.selCol * zt::Rows + seen.selRow;
    }

    // Solves the level in play by reading the board and clicking the swaps.
    void SolveLevelInPlay(int level) {
        SeenBoard seen = DrawnBoard();
        QVERIFY2(seen.selCol >= 0, "no marker seen on the board");
        const auto& target = levels_.records.at(level - 1);
        auto sorted = [](zt::Board b) {
            for (auto& t : b)
                t = zt::IsMovable(t) ? zt::EdgeWord(t) % 251 : t;
            std::sort(b.begin(), b.end());
            return b;
        };
        QCOMPARE(sorted(seen.board), sorted(target));
        auto clicks = PlanSwaps(seen, target);
        QVERIFY(!clicks.empty());
        for (auto cell : clicks) {
            game_->ClickCell(cell.c, cell.r);
        }
        Window won = game_->MessageDialog(5000);
        QVERIFY2(won.valid(), "no \"won\" message after the last swap");
        ClickIn(won, OkButton.x(), OkButton.y());
        QVERIFY(game_->NoDialog(3000));
        QTRY_VERIFY(SmilingFace(game_->LevelBox(), pics_));
    }

    int Level() { return ReadLevelNumber(game_->LevelBox(), pics_); }

    // A message dialog stands where the game places it at every showing:
    // centred across the main window by their outer rectangles, and up from
    // the main window's lower edge by half its client height and half its own
    // outer height.
    // Under a window manager the frame comes after the dialog is up, and the
    // game then moves the dialog once if its frame is not the one it guessed:
    // wait until it stands where it belongs.
    void StandsOverTheMainWindow(const Window& dialog) {
        QPoint at, expected;
        QString seen; // what the last look saw, for a failure's message
        WaitFor(
            [&] {
                Window now;
                for (const Window& w : VisibleWindows(game_->Pid())) {
                    if (w.id == dialog.id) {
                        now = w;
                    }
                }
                const Window main = game_->Main();
                const QRect mainOuter = main.rect.marginsAdded(FrameExtents(main));
                const QMargins frame = FrameExtents(now);
                const QSize outer = now.rect.size().grownBy(frame);
                const QPoint frameAt(mainOuter.left() + (mainOuter.width() - outer.width()) / 2,
                                     mainOuter.top() + mainOuter.height() -
                                         (main.rect.height() + outer.height()) / 2);
                at = now.rect.topLeft();
                expected = frameAt + QPoint(frame.left(), frame.top());
                seen.clear();
                QDebug(&seen) << "dialog" << now.rect << frame << "main" << main.rect;
                // The window manager's grip under the resizable main window
                // is not all in the frame Qt reads: a few pixels either way.
                return now.valid() && (at - expected).manhattanLength() <= 3;
            },
            5000);
        if ((at - expected).manhattanLength() > 3)
            qWarning("%s", qPrintable(seen));
        QVERIFY((at - expected).manhattanLength() <= 3);
    }

    QString Caption() { return game_->Main().name; }

private slots:
    void initTestCase() {
        QVERIFY(programDir_.isValid() && configDir_.isValid());
        const QString failed = PrepareGame(programDir_.path(), pics_, levels_);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }

    void firstStartAsksForTheLanguage() {
        Start();
        PassSplash();
        Window tongue = game_->TongueDialog(5000);
        QVERIFY2(tongue.valid(), "no language dialog at the first start");
        ClickIn(tongue, 84 + 110, 16 + 13); // "I speak english."
        QVERIFY(game_->NoDialog(3000));
        QCOMPARE(Caption(), QStringLiteral("Zorbly Tarnel V2.2 - Game noname.ztn"));
        QCOMPARE(Level(), 1);
        QVERIFY(!SmilingFace(game_->LevelBox(), pics_));
        QCOMPARE(BlueGaugeRows(game_->BoardArea(), pics_), 0);
        Window m = game_->Main();
        Screenshot().copy(m.rect).save(InBuild("e2e-first-start.png"));
    }

    void solvingLevelsByClicks() {
        SolveLevelInPlay(1);
        game_->ClickToolBar(sUpBtn.x(), sUpBtn.y()); // next unsolved: level 2
        QTRY_COMPARE(Level(), 2);
        SolveLevelInPlay(2);
        // Two of 500 solved: the gauge's first blue row.
        QVERIFY(BlueGaugeRows(game_->BoardArea(), pics_) >= 1);
        Window m = game_->Main();
        Screenshot().copy(m.rect).save(InBuild("e2e-solved.png"));
        // A new game on the solved level asks too; Escape keeps the progress.
        game_->ClickToolBar(NewGameBtn.x(), NewGameBtn.y());
        QVERIFY2(FocusOn(game_->MessageDialog(5000)), "no \"giveup\" on a solved level");
        Key("Escape");
        QVERIFY(game_->NoDialog(3000));
        QCOMPARE(Level(), 2);
        QVERIFY(BlueGaugeRows(game_->BoardArea(), pics_) >= 1);
    }

    void savingProgress() {
        game_->ClickToolBar(SaveBtn.x(), SaveBtn.y());
        Window dlg = game_->FileDialog(5000);
        QVERIFY2(dlg.valid(), "no save dialog");
        QVERIFY(FocusOn(dlg));
        Key("ctrl+a");
        Type(programDir_.filePath("afternoon.txt")); // saved as afternoon.ztn
        Key("Return");
        QVERIFY(game_->NoDialog(5000));
        // The file is written once the dialog has gone, and the caption names it.
        QTRY_COMPARE(Caption(), QStringLiteral("Zorbly Tarnel V2.2 - Game afternoon.ztn"));
        QTRY_COMPARE(QFileInfo(programDir_.filePath("afternoon.ztn")).size(), qint64(500));
        QFile f(programDir_.filePath("afternoon.ztn"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QByteArray flags = f.readAll();
        QCOMPARE(flags.size(), 500);
        QCOMPARE(int(flags[0]), 1);
        QCOMPARE(int(flags[1]), 1);
        QCOMPARE(int(flags[2]), 0);
    }

    void navigatingLevels() {
        game_->ClickToolBar(sDownBtn.x(), sDownBtn.y()); // previous unsolved wraps to the last
        QTRY_COMPARE(Level(), int(levels_.records.size()));
        game_->ClickToolBar(sUpBtn.x(), sUpBtn.y()); // next unsolved wraps past 1 and 2
        QTRY_COMPARE(Level(), 3);
        // The level selector holds the keyboard focus from the start.
        QVERIFY(FocusOn(game_->Main()));
        Key("Right");
        QTRY_COMPARE(Level(), 4);
        Key("Left");
        QTRY_COMPARE(Level(), 3);
        // End and Home reach the last and the first level; the last is the
        // picture for the README.
        Key("End");
        QTRY_COMPARE(Level(), int(levels_.records.size()));
        Screenshot()
            .copy(game_->Main().rect)
            .save(InBuild("e2e-last-level.png"));
        Key("Home");
        Key("Right");
        Key("Right");
        QTRY_COMPARE(Level(), 3);
    }

    void restartAsksAfterAMove() {
        SeenBoard seen = DrawnBoard();
        // Any movable cell other than the selected one makes a move; one that
        // leaves the board fitting would win the level instead.
        const int selected = zt::CellIndex(seen.selCol, seen.selRow);
        int target = -1;
        for (int i = 0; i < zt::CellCount && target < 0; ++i) {
            zt::Board after = seen.board;
            std::swap(after[i], after[selected]);
            if (i != selected && zt::IsMovable(seen.board[i]) && !zt::Fits(after)) {
                target = i;
            }
        }
        QVERIFY(target >= 0);
        game_->ClickCell(target / zt::Rows, target % zt::Rows);
        QTRY_COMPARE(SelectedCell(), target);
        const SeenBoard moved = DrawnBoard();

        // The first showing of the message dialog stands where later ones do.
        game_->ClickToolBar(RestartBtn.x(), RestartBtn.y());
        Window ask = game_->MessageDialog(5000);
        QVERIFY2(ask.valid(), "no \"restart\" question after a move");
        StandsOverTheMainWindow(ask);
        // Tab moves the focus to "No", and Enter or Space then answers No:
        // the moves made stay on the board.
        for (const char* answer : {"Return", "space"}) {
            QVERIFY(FocusOn(ask));
            Key("Tab");
            Key(answer);
            QVERIFY(game_->NoDialog(3000));
            QCOMPARE(ReadBoard(game_->BoardArea(), pics_).board, moved.board);
            game_->ClickToolBar(RestartBtn.x(), RestartBtn.y());
            ask = game_->MessageDialog(5000);
            QVERIFY(ask.valid());
        }
        ClickIn(ask, RestartYes.x(), RestartYes.y());
        QVERIFY(game_->NoDialog(3000));
        QCOMPARE(Level(), 3);
        // Dealt anew: no question now, since no move was made since.
        game_->ClickToolBar(RestartBtn.x(), RestartBtn.y());
        TakesKeysWithoutADialog();
    }

    void newGameClearsTheProgress() {
        // Tab, Enter: "No" keeps every solved level.
        game_->ClickToolBar(NewGameBtn.x(), NewGameBtn.y());
        Window ask = game_->MessageDialog(5000);
        QVERIFY2(ask.valid(), "no \"giveup\" question on an unsolved level");
        StandsOverTheMainWindow(ask);
        QVERIFY(FocusOn(ask));
        Key("Tab");
        Key("Return");
        QVERIFY(game_->NoDialog(3000));
        QCOMPARE(Level(), 3);
        QVERIFY(BlueGaugeRows(game_->BoardArea(), pics_) >= 1);

        game_->ClickToolBar(NewGameBtn.x(), NewGameBtn.y());
        ask = game_->MessageDialog(5000);
        QVERIFY(FocusOn(ask));
        Key("Return"); // the default button: yes
        QVERIFY(game_->NoDialog(3000));
        QTRY_COMPARE(Level(), 1);
        QTRY_VERIFY(!SmilingFace(game_->LevelBox(), pics_));
        QTRY_COMPARE(BlueGaugeRows(game_->BoardArea(), pics_), 0);
        QVERIFY(FocusOn(game_->Main()));
        for (int i = 0; i < 6; ++i) {
            Key("Right");
        }
        QTRY_COMPARE(Level(), 7);
    }

    void closingAsksFirst() {
        game_->ClickToolBar(ExitBtn.x(), ExitBtn.y());
        Window ask = game_->MessageDialog(5000);
        QVERIFY2(ask.valid(), "no \"endgame\" question");
        ClickIn(ask, RightNo.x(), RightNo.y());
        QVERIFY(game_->NoDialog(3000));
        QVERIFY(game_->Running());
        // Tab, Enter: "No" keeps the game running.
        game_->ClickToolBar(ExitBtn.x(), ExitBtn.y());
        ask = game_->MessageDialog(5000);
        QVERIFY(ask.valid());
        StandsOverTheMainWindow(ask);
        QVERIFY(FocusOn(ask));
        Key("Tab");
        Key("Return");
        QVERIFY(game_->NoDialog(3000));
        QVERIFY(game_->Running());

        // Left elsewhere than where it opened, it comes back there. The game
        // hears of the move before the click that closes it.
        Window main = game_->Main();
        MoveWindow(main, 300, 200);
        QTRY_VERIFY_WITH_TIMEOUT(game_->Main().rect.topLeft() != main.rect.topLeft(), 5000);
        main = game_->Main();
        placeBeforeClose_ = main.rect;
        frameBeforeClose_ = FrameExtents(main);
        game_->ClickToolBar(ExitBtn.x(), ExitBtn.y());
        ask = game_->MessageDialog(5000);
        QVERIFY(ask.valid());
        ClickIn(ask, QuestionYes.x(), QuestionYes.y());
        Window save = game_->FileDialog(5000);
        QVERIFY2(save.valid(), "no save dialog at close");
        QVERIFY(FocusOn(save));
        Key("Escape");
        QVERIFY2(game_->WaitForExit(10000), "the game did not end");

        // The file dialogs keep their own state beside ours; only ours counts.
        QString ini = configDir_.filePath("ZorblyGames/ZorblyTarnel-V2.ini");
        QVERIFY(QFile::exists(ini));
        QSettings settings(ini, QSettings::IniFormat);
        QCOMPARE(settings.value("common/level").toString(), QStringLiteral("7"));
        QCOMPARE(settings.value("common/tongue").toString(), QStringLiteral("0"));
        QCOMPARE(settings.value("common/sound").toString(), QStringLiteral("1"));
        QVERIFY(settings.value("common/save").toString().endsWith("afternoon.ztn"));
        // The outer rectangle, frame included; right and bottom exclusive.
        const QRect outer = placeBeforeClose_.marginsAdded(frameBeforeClose_);
        QCOMPARE(settings.value("common/MainForm").toStringList().join(','),
                 QStringLiteral("200,0,1,%1,%2,%3,%4")
                     .arg(outer.left())
                     .arg(outer.top())
                     .arg(outer.left() + outer.width())
                     .arg(outer.top() + outer.height()));
    }

    void secondStartComesBack() {
        Start();
        PassSplash();
        // A window manager frames it a moment after it shows.
        QTRY_COMPARE(game_->Main().rect.topLeft(), placeBeforeClose_.topLeft());
        QCOMPARE(Caption(), QStringLiteral("Zorbly Tarnel V2.2 - Game afternoon.ztn"));
        QCOMPARE(Level(), 7);
        // The remembered progress file was read at start: two levels solved.
        QVERIFY(BlueGaugeRows(game_->BoardArea(), pics_) >= 1);
        // The language is not asked again.
        TakesKeysWithoutADialog();
    }

    void anotherStartBringsTheGameForward() {
        // The rules have the focus and the game may be minimised; a second
        // start of the same player's game hands the focus back to the game and
        // ends, touching no file.
        game_->ClickToolBar(RulesBtn.x(), RulesBtn.y());
        const auto isRules = [](const Window& w) { return w.name == "Zorbly Tarnel V2.2"; };
        const Window rules = WaitForWindow(game_->Pid(), isRules, 5000);
        QVERIFY2(rules.valid(), "no rules window");
        Focus(rules);
        const auto focused = [] { return XDo({"getwindowfocus"}).toULongLong(); };
        QCOMPARE(focused(), rules.id);
        const auto files = [&] {
            QByteArray bytes;
            for (QString name : {configDir_.filePath("ZorblyGames/ZorblyTarnel-V2.ini"),
                                 programDir_.filePath("afternoon.ztn")}) {
                QFile f(name);
                bytes += f.open(QIODevice::ReadOnly) ? f.readAll() : "none";
            }
            return bytes;
        };
        const QByteArray before = files();
        // Named on the second start's command line: the running game loads it.
        QFile evening(programDir_.filePath("evening.ztn"));
        QVERIFY(evening.open(QIODevice::WriteOnly) && evening.write(QByteArray(500, 1)) == 500);
        evening.close();
        const Window main = game_->Main();
        const bool managed = !FrameExtents(main).isNull();
        if (managed) {
            // Minimised, it must come back shown: only a viewable window takes the focus.
            XDo({"windowminimize", "--sync", QString::number(main.id)});
        }
        Session second(programDir_.path(), configDir_.path());
        QVERIFY(second.Start({"evening.ztn"}));
        QVERIFY2(second.WaitForExit(5000), "a second game kept running");
        QCOMPARE(second.ExitCode(), 0);
        if (managed) {
            QTRY_COMPARE_WITH_TIMEOUT(focused(), main.id, 3000);
        } else {
            // Without a window manager nobody hands the focus over: on top
            // (first in the server's list, which starts at the top) is what
            // a game can reach.
            const auto stackedAbove = [&] {
                QProcess list;
                list.start("xwininfo", {"-root", "-children"});
                list.waitForFinished();
                const QString out = QString::fromLatin1(list.readAllStandardOutput());
                const auto at = [&](qulonglong id) {
                    return out.indexOf("0x" + QString::number(id, 16) + " ");
                };
                return at(main.id) >= 0 && at(main.id) < at(rules.id);
            };
            QTRY_VERIFY_WITH_TIMEOUT(stackedAbove(), 3000);
        }
        QTRY_COMPARE(Caption(), QStringLiteral("Zorbly Tarnel V2.2 - Game evening.ztn"));
        QTRY_VERIFY(BlueGaugeRows(game_->BoardArea(), pics_) > 300);
        QCOMPARE(files(), before);
        // Escape closes the rules.
        Focus(rules);
        Key("Escape");
        QVERIFY(WaitUntilGone(game_->Pid(), isRules, 3000));
        // A game that was killed does not keep the next one from starting.
        QVERIFY(::kill(pid_t(game_->Pid()), SIGKILL) == 0);
        QVERIFY(game_->WaitForExit(5000));
        Start();
        const Window splash = game_->Splash(10000);
        QVERIFY2(splash.valid(), "no start after a killed game");
        ClickIn(splash, 100, 75);
        QVERIFY(game_->Main().valid());
    }

    void loadingProgress() {
        // Clear the progress, then load it back from the file.
        game_->ClickToolBar(NewGameBtn.x(), NewGameBtn.y());
        Window ask = game_->MessageDialog(5000);
        QVERIFY(FocusOn(ask));
        Key("Return");
        QVERIFY(game_->NoDialog(3000));
        QTRY_COMPARE(BlueGaugeRows(game_->BoardArea(), pics_), 0);
        game_->ClickToolBar(LoadBtn.x(), LoadBtn.y());
        Window dlg = game_->FileDialog(5000);
        QVERIFY2(dlg.valid(), "no open dialog");
        QVERIFY(FocusOn(dlg));
        Key("ctrl+a");
        Type(programDir_.filePath("afternoon.ztn"));
        Key("Return");
        QVERIFY(game_->NoDialog(5000));
        QTRY_VERIFY(BlueGaugeRows(game_->BoardArea(), pics_) >= 1);
        QTRY_VERIFY(SmilingFace(game_->LevelBox(), pics_)); // level 1 is solved again

        game_->ClickToolBar(ExitBtn.x(), ExitBtn.y());
        ask = game_->MessageDialog(5000);
        QVERIFY(FocusOn(ask));
        Key("Return");
        Window save = game_->FileDialog(5000);
        QVERIFY(FocusOn(save));
        Key("Escape");
        QVERIFY(game_->WaitForExit(10000));
    }

    // A first afternoon without a mouse, in folders of its own: from the
    // language choice to the closing question by keys alone.
    void keyboardOnlyFromFirstStartToClose() {
        QTemporaryDir configDir;
        game_ = std::make_unique<Session>(programDir_.path(), configDir.path());
        QVERIFY(game_->Start());
        QVERIFY(FocusOn(game_->Splash(10000)));
        Key("Escape");
        const Window tongue = game_->TongueDialog(6000);
        QVERIFY(FocusOn(tongue));
        Key("Tab"); // from "I speak english." to "Ich spreche deutsch."
        Key("Return");
        QVERIFY(game_->NoDialog(3000));
        QVERIFY(FocusOn(game_->Main()));

        // Read the deal before the frame is on the board.
        const SeenBoard seen = DrawnBoard();
        QVERIFY2(seen.selCol >= 0, "no marker seen on the board");
        QVERIFY(!FramedCell(game_->BoardArea(), seen.selCol, seen.selRow));
        const auto moves = PlanSwaps(seen, levels_.records.at(0));
        QVERIFY(!moves.empty());

        // Tab: the frame comes onto the marked cell.
        Key("Tab");
        QTRY_VERIFY2(FramedCell(game_->BoardArea(), seen.selCol, seen.selRow),
                     "no frame on the marked cell after Tab");
        int col = seen.selCol, row = seen.selRow;
        QStringList keys;
        for (zt::Cell cell : moves) {
            for (; col < cell.c; ++col)
                keys << "Right";
            for (; col > cell.c; --col)
                keys << "Left";
            for (; row < cell.r; ++row)
                keys << "Down";
            for (; row > cell.r; --row)
                keys << "Up";
            keys << "space";
        }
        XDo(QStringList{"key", "--clearmodifiers"} + keys);
        const Window won = game_->MessageDialog(5000);
        QVERIFY2(won.valid(), "no \"won\" message after the last move");
        QVERIFY(FocusOn(won));
        Key("Return");
        QVERIFY(game_->NoDialog(3000));
        // A window manager gives the main window the focus back; there may be none.
        QVERIFY(FocusOn(game_->Main()));
        QTRY_VERIFY(SmilingFace(game_->LevelBox(), pics_));
        QTRY_VERIFY2(FramedCell(game_->BoardArea(), col, row), "no frame after the message");
        Screenshot()
            .copy(game_->Main().rect)
            .save(InBuild("e2e-keyplay.png"));

        // Ctrl+Q asks first; Enter says yes; Escape leaves the save dialog.
        Key("ctrl+q");
        const Window ask = game_->MessageDialog(5000);
        QVERIFY2(ask.valid(), "no closing question after Ctrl+Q");
        QVERIFY(FocusOn(ask));
        Key("Return");
        const Window save = game_->FileDialog(5000);
        QVERIFY2(save.valid(), "no save dialog at close");
        QVERIFY(FocusOn(save));
        Key("Escape");
        // The solve is not saved: asked whether to quit; J (for "&Ja") quits.
        QVERIFY(FocusOn(WaitForWindow(
            game_->Pid(), [](const Window& w) { return w.name == "Warnung"; }, 5000)));
        Screenshot().save(InBuild("e2e-losing-question.png"));
        Key("j");
        QVERIFY2(game_->WaitForExit(10000), "the game did not end");
        QSettings settings(configDir.filePath("ZorblyGames/ZorblyTarnel-V2.ini"),
                           QSettings::IniFormat);
        QCOMPARE(settings.value("common/tongue").toString(), QStringLiteral("1"));
        QCOMPARE(settings.value("common/level").toString(), QStringLiteral("1"));
    }

    // Keys alone on a level far above 100: three swaps taken back and made
    // again to the pixel, then the hints followed until the level is won.
    void undoRedoAndHintsWithKeys() {
        // Named on the command line, not there yet: no word, the caption names it.
        Start({"fresh.ztn"});
        QVERIFY(FocusOn(game_->Splash(10000)));
        Key("Escape");
        QVERIFY(game_->NoDialog(3000) && FocusOn(game_->Main()));
        QCOMPARE(Caption(), QStringLiteral("Zorbly Tarnel V2.2 - Game fresh.ztn"));
        const int last = int(levels_.records.size());
        Key("End");
        QTRY_COMPARE_WITH_TIMEOUT(Level(), last, 5000);
        QImage dealt; // no keyboard frame yet
        const SeenBoard seen = DrawnBoard(&dealt);
        const zt::LevelRecord& record = levels_.records.at(last - 1);
        QVERIFY(std::is_permutation(seen.board.begin(), seen.board.end(), record.begin()));
        zt::Cell frame{seen.selCol, seen.selRow};
        const auto hinted = zt::HintedSwaps(seen.board, record, frame);
        QVERIFY(hinted.size() > 3);
        auto keys = [&frame](QStringList then, zt::Cell to) {
            QStringList k{"key", "--clearmodifiers", "--delay", "25"};
            for (; frame.c != to.c; frame.c += frame.c < to.c ? 1 : -1)
                k << (frame.c < to.c ? "Right" : "Left");
            for (; frame.r != to.r; frame.r += frame.r < to.r ? 1 : -1)
                k << (frame.r < to.r ? "Down" : "Up");
            XDo(k + then);
        };
        keys({"Tab"}, frame); // the arrows go to the board only after it
        keys({"space"}, hinted[0]);
        keys({"space"}, hinted[1]);
        keys({"space", "Tab"}, hinted[2]); // the frame leaves with the focus
        auto marker = [this] {
            const SeenBoard now = ReadBoard(game_->BoardArea(), pics_);
            return zt::Cell{now.selCol, now.selRow};
        };
        QTRY_VERIFY_WITH_TIMEOUT(marker() == hinted[2], 20000);
        const QImage moved = game_->BoardArea();
        // Every cell pixel for pixel but the marked one, whose car turns; that
        // one by its tile and the marker on it. A poll in step with the car's
        // turning could otherwise never meet the picture it looks for.
        const auto sameBoard = [this](const QImage& want) {
            QImage now = game_->BoardArea();
            const SeenBoard a = ReadBoard(now, pics_), b = ReadBoard(want, pics_);
            if (a.board != b.board || a.selCol != b.selCol || a.selRow != b.selRow)
                return false;
            QImage then = want;
            const QRect car(22 + 48 * a.selCol, 20 + 48 * a.selRow, 48, 48);
            const QRect rim(0, 20 + 48 * 7, now.width(), now.height()); // its clock runs
            for (QImage* image : {&now, &then}) {
                QPainter(image).fillRect(car, Qt::black);
                QPainter(image).fillRect(rim, Qt::black);
            }
            return now == then;
        };
        keys({"ctrl+z", "ctrl+z", "ctrl+z"}, frame);
        QTRY_VERIFY_WITH_TIMEOUT(sameBoard(dealt), 10000);
        keys({"ctrl+y", "ctrl+shift+z", "ctrl+y"}, frame);
        QTRY_VERIFY_WITH_TIMEOUT(sameBoard(moved), 10000);
        keys({"shift+Tab"}, frame); // back from the previous-unsolved button
        // As many H and Space as the deal's hints have swaps left: the game
        // cannot win in more swaps than it is given.
        QStringList hintAndSwap;
        for (std::size_t i = 3; i < hinted.size(); ++i)
            hintAndSwap << "h" << "space";
        keys(hintAndSwap, frame);
        QVERIFY2(game_->MessageDialog(20000).valid(), "the hints did not win the level");
        qInfo("level %d: %d hinted swaps from the deal, 3 + %d made", last, int(hinted.size()),
              int(hinted.size()) - 3);
        Key("Return");
        QVERIFY(game_->NoDialog(3000));
        QTRY_VERIFY(SmilingFace(game_->LevelBox(), pics_));
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    EndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_e2e.moc"
