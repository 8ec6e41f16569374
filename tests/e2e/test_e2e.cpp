// The whole game on a real X server, played with the mouse and the keyboard
// and watched through screenshots. The cases run in order and share the
// program folder and settings folder, like one player's afternoon.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <memory>

#include "catalogue.h"
#include "game.h"
#include "session.h"

using namespace e2e;

namespace {

// Tool-bar controls (centres, inside the tool-bar panel).
const QPoint NewGameBtn(16, 16), RestartBtn(44, 16), LoadBtn(72, 16), SaveBtn(100, 16),
    ExitBtn(156, 16), sDownBtn(288, 17), sUpBtn(389, 17), RulesBtn(441, 16);
// Message dialog buttons (centres): the left and right button of a question,
// the single OK button.
const QPoint QuestionYes(44 + 38, 68 + 13), RestartYes(48 + 38, 68 + 13),
    RightNo(136 + 38, 68 + 13), OkButton(92 + 38, 68 + 13);

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

    void Start() {
        game_ = std::make_unique<Session>(programDir_.path(), configDir_.path());
        QVERIFY(game_->Start());
    }

    // Solves the level in play by reading the board and clicking the swaps.
    void SolveLevelInPlay(int level) {
        SeenBoard seen = ReadBoard(game_->BoardArea(), pics_);
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
        Pause(200);
        QVERIFY(SmilingFace(game_->LevelBox(), pics_));
    }

    int Level() { return ReadLevelNumber(game_->LevelBox(), pics_); }

    // A message dialog stands where the game places it at every showing:
    // centred across the main window by their outer rectangles, and up from
    // the main window's lower edge by half its client height and half its own
    // outer height.
    // Under a window manager the frame comes after the dialog is up, and the
    // game then moves the dialog once if its frame is not the one it guessed;
    // on a slow machine the first look can come before that move.
    void StandsOverTheMainWindow(Window dialog) {
        QElapsedTimer clock;
        clock.start();
        QPoint at, expected;
        for (;;) {
            const Window main = game_->Main();
            const QRect mainOuter = main.rect.marginsAdded(FrameExtents(main));
            const QMargins frame = FrameExtents(dialog);
            const QSize outer = dialog.rect.size().grownBy(frame);
            const QPoint frameAt(mainOuter.left() + (mainOuter.width() - outer.width()) / 2,
                                 mainOuter.top() + mainOuter.height() -
                                     (main.rect.height() + outer.height()) / 2);
            at = dialog.rect.topLeft();
            expected = frameAt + QPoint(frame.left(), frame.top());
            if (at == expected || clock.elapsed() > 3000) {
                break;
            }
            Pause(100);
            for (const Window& w : VisibleWindows(game_->Pid())) {
                if (w.id == dialog.id) {
                    dialog = w;
                }
            }
        }
        QCOMPARE(at, expected);
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
        Window splash = game_->Splash(10000);
        QVERIFY2(splash.valid(), "no splash window");
        ClickIn(splash, 100, 75);
        Window tongue = game_->TongueDialog(5000);
        QVERIFY2(tongue.valid(), "no language dialog at the first start");
        ClickIn(tongue, 84 + 110, 16 + 13); // "I speak english."
        QVERIFY(game_->NoDialog(3000));
        QCOMPARE(Caption(), QStringLiteral("Zorbly Tarnel V2.2 - Game noname.ztn"));
        QCOMPARE(Level(), 1);
        QVERIFY(!SmilingFace(game_->LevelBox(), pics_));
        QCOMPARE(BlueGaugeRows(game_->BoardArea(), pics_), 0);
        Window m = game_->Main();
        Screenshot().copy(m.rect).save(QStringLiteral(ZTRN_BUILD_DIR) + "/e2e-first-start.png");
    }

    void solvingLevelsByClicks() {
        SolveLevelInPlay(1);
        game_->ClickToolBar(sUpBtn.x(), sUpBtn.y()); // next unsolved: level 2
        Pause(300);
        QCOMPARE(Level(), 2);
        SolveLevelInPlay(2);
        // Two of 500 solved: the gauge's first blue row.
        QVERIFY(BlueGaugeRows(game_->BoardArea(), pics_) >= 1);
        Window m = game_->Main();
        Screenshot().copy(m.rect).save(QStringLiteral(ZTRN_BUILD_DIR) + "/e2e-solved.png");
    }

    void savingProgress() {
        game_->ClickToolBar(SaveBtn.x(), SaveBtn.y());
        Window dlg = game_->FileDialog(5000);
        QVERIFY2(dlg.valid(), "no save dialog");
        Pause(300);
        Focus(dlg);
        Key("ctrl+a");
        Type(programDir_.filePath("afternoon.txt")); // saved as afternoon.ztn
        Key("Return");
        QVERIFY(game_->NoDialog(5000));
        // The file is written once the dialog has gone.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(programDir_.filePath("afternoon.ztn")), 5000);
        Pause(300);
        QFile f(programDir_.filePath("afternoon.ztn"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QByteArray flags = f.readAll();
        QCOMPARE(flags.size(), 500);
        QCOMPARE(int(flags[0]), 1);
        QCOMPARE(int(flags[1]), 1);
        QCOMPARE(int(flags[2]), 0);
        QCOMPARE(Caption(), QStringLiteral("Zorbly Tarnel V2.2 - Game afternoon.ztn"));
    }

    void navigatingLevels() {
        game_->ClickToolBar(sDownBtn.x(), sDownBtn.y()); // previous unsolved wraps to the last
        Pause(300);
        QCOMPARE(Level(), int(levels_.records.size()));
        game_->ClickToolBar(sUpBtn.x(), sUpBtn.y()); // next unsolved wraps past 1 and 2
        Pause(300);
        QCOMPARE(Level(), 3);
        // The level selector holds the keyboard focus from the start.
        Key("Right");
        Pause(300);
        QCOMPARE(Level(), 4);
        Key("Left");
        Pause(300);
        QCOMPARE(Level(), 3);
        // End and Home reach the last and the first level; the last is the
        // picture for the README.
        Key("End");
        Pause(400);
        QCOMPARE(Level(), int(levels_.records.size()));
        Screenshot()
            .copy(game_->Main().rect)
            .save(QStringLiteral(ZTRN_BUILD_DIR) + "/e2e-last-level.png");
        Key("Home");
        Key("Right");
        Key("Right");
        Pause(400);
        QCOMPARE(Level(), 3);
    }

    void restartAsksAfterAMove() {
        SeenBoard seen = ReadBoard(game_->BoardArea(), pics_);
        // Any movable cell other than the selected one makes a move.
        int target = -1;
        for (int i = 0; i < zt::CellCount && target < 0; ++i) {
            bool selected = i == zt::CellIndex(seen.selCol, seen.selRow);
            if (!selected && zt::IsMovable(seen.board[i])) {
                target = i;
            }
        }
        QVERIFY(target >= 0);
        game_->ClickCell(target / zt::Rows, target % zt::Rows);
        Pause(300);
        SeenBoard moved = ReadBoard(game_->BoardArea(), pics_);
        QCOMPARE(moved.selCol * zt::Rows + moved.selRow, target);

        // The first showing of the message dialog stands where later ones do.
        game_->ClickToolBar(RestartBtn.x(), RestartBtn.y());
        Window ask = game_->MessageDialog(5000);
        QVERIFY2(ask.valid(), "no \"restart\" question after a move");
        Pause(300);
        ask = game_->MessageDialog(5000);
        StandsOverTheMainWindow(ask);
        // Tab moves the focus to "No", and Enter or Space then answers No:
        // the moves made stay on the board.
        for (const char* answer : {"Return", "space"}) {
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
        Pause(200);
        QCOMPARE(Level(), 3);
        // Dealt anew: no question now, since no move was made since.
        game_->ClickToolBar(RestartBtn.x(), RestartBtn.y());
        QVERIFY(!game_->MessageDialog(800).valid());
    }

    void newGameClearsTheProgress() {
        // Tab, Enter: "No" keeps every solved level.
        game_->ClickToolBar(NewGameBtn.x(), NewGameBtn.y());
        Window ask = game_->MessageDialog(5000);
        QVERIFY2(ask.valid(), "no \"giveup\" question on an unsolved level");
        StandsOverTheMainWindow(ask);
        Key("Tab");
        Key("Return");
        QVERIFY(game_->NoDialog(3000));
        Pause(300);
        QCOMPARE(Level(), 3);
        QVERIFY(BlueGaugeRows(game_->BoardArea(), pics_) >= 1);

        game_->ClickToolBar(NewGameBtn.x(), NewGameBtn.y());
        ask = game_->MessageDialog(5000);
        QVERIFY(ask.valid());
        Key("Return"); // the default button: yes
        QVERIFY(game_->NoDialog(3000));
        Pause(300);
        QCOMPARE(Level(), 1);
        QVERIFY(!SmilingFace(game_->LevelBox(), pics_));
        QCOMPARE(BlueGaugeRows(game_->BoardArea(), pics_), 0);
        for (int i = 0; i < 6; ++i) {
            Key("Right");
        }
        Pause(300);
        QCOMPARE(Level(), 7);
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
        Key("Tab");
        Key("Return");
        QVERIFY(game_->NoDialog(3000));
        Pause(300);
        QVERIFY(game_->Running());

        // Left elsewhere than where it opened, it comes back there.
        Window main = game_->Main();
        MoveWindow(main, 300, 200);
        QTRY_VERIFY_WITH_TIMEOUT(game_->Main().rect.topLeft() != main.rect.topLeft(), 5000);
        Pause(300);
        main = game_->Main();
        placeBeforeClose_ = main.rect;
        frameBeforeClose_ = FrameExtents(main);
        game_->ClickToolBar(ExitBtn.x(), ExitBtn.y());
        ask = game_->MessageDialog(5000);
        QVERIFY(ask.valid());
        ClickIn(ask, QuestionYes.x(), QuestionYes.y());
        Window save = game_->FileDialog(5000);
        QVERIFY2(save.valid(), "no save dialog at close");
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
        Window splash = game_->Splash(10000);
        QVERIFY(splash.valid());
        ClickIn(splash, 100, 75);
        QVERIFY2(!game_->TongueDialog(1500).valid(), "the language was asked again");
        Window m = game_->Main();
        Pause(300); // a window manager frames it a moment after it shows
        m = game_->Main();
        QCOMPARE(m.rect.topLeft(), placeBeforeClose_.topLeft());
        QCOMPARE(m.name, QStringLiteral("Zorbly Tarnel V2.2 - Game afternoon.ztn"));
        QCOMPARE(Level(), 7);
        // The remembered progress file was read at start: two levels solved.
        QVERIFY(BlueGaugeRows(game_->BoardArea(), pics_) >= 1);
    }

    void anotherStartBringsTheGameForward() {
        // The rules have the focus; a second start of the same player's game
        // hands it back to the game and ends, touching no file.
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
        Session second(programDir_.path(), configDir_.path());
        QVERIFY(second.Start());
        QVERIFY2(second.WaitForExit(5000), "a second game kept running");
        QCOMPARE(second.ExitCode(), 0);
        const Window main = game_->Main();
        if (!FrameExtents(main).isNull()) {
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
        QVERIFY(ask.valid());
        Key("Return");
        QVERIFY(game_->NoDialog(3000));
        Pause(300);
        QCOMPARE(BlueGaugeRows(game_->BoardArea(), pics_), 0);
        game_->ClickToolBar(LoadBtn.x(), LoadBtn.y());
        Window dlg = game_->FileDialog(5000);
        QVERIFY2(dlg.valid(), "no open dialog");
        Pause(300);
        Focus(dlg);
        Key("ctrl+a");
        Type(programDir_.filePath("afternoon.ztn"));
        Key("Return");
        QVERIFY(game_->NoDialog(5000));
        Pause(300);
        QVERIFY(BlueGaugeRows(game_->BoardArea(), pics_) >= 1);
        QVERIFY(SmilingFace(game_->LevelBox(), pics_)); // level 1 is solved again

        game_->ClickToolBar(ExitBtn.x(), ExitBtn.y());
        ask = game_->MessageDialog(5000);
        QVERIFY(ask.valid());
        Key("Return");
        QVERIFY(game_->FileDialog(5000).valid());
        Key("Escape");
        QVERIFY(game_->WaitForExit(10000));
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    EndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_e2e.moc"
