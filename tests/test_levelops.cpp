// The level operations behind the tool bar, each with every answer to its
// question, start-up clamping, the double deal through the selector and the
// once-per-run "allsolved".
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "fakeview.h"
#include "game.h"

using namespace zt;

namespace {

struct Fixture {
    FakeView view;
    Game game{view};
    explicit Fixture(int levels) {
        view.game = &game;
        game.levels.assign(levels, Ring());
        game.randomSeed = 99;
    }
    // Brings the board in play into its solved layout with one move to go.
    void OneMoveFromSolved() {
        game.board = Ring();
        std::swap(game.board[CellIndex(0, 0)], game.board[CellIndex(1, 1)]);
        game.selCol = 0;
        game.selRow = 0;
        game.hasSelection = true;
    }
    void SolvingMove() { game.boxMouseDown(22 + 48 + 5, 20 + 48 + 5); }
};

}  // namespace

class LevelOpsTest : public QObject {
    Q_OBJECT

private slots:
    void startUpClampsAndDealsTwice() {
        Fixture f(25);
        f.game.StartUp(40);
        QCOMPARE(f.game.currentLevel, 25);
        QCOMPARE(f.view.selectorMax, 25);
        QCOMPARE(f.view.selectorPos, 25);
        QCOMPARE(f.view.deals, 2);  // once by the selector's change, once by start-up
        Fixture g(25);
        g.game.StartUp(0);
        QCOMPARE(g.game.currentLevel, 1);
        QCOMPARE(g.view.deals, 1);  // the selector already stands at 1
        Fixture h(3);
        h.game.solvedFlags[0] = h.game.solvedFlags[1] = h.game.solvedFlags[2] = 7;
        h.game.StartUp(2);
        QVERIFY(h.game.allSolved);
    }

    void nextAndPreviousUnsolved() {
        Fixture f(4);
        f.game.solvedFlags[0] = 1;
        f.game.solvedFlags[2] = 1;
        f.game.solvedFlags[3] = 1;
        f.game.StartUp(4);
        f.view.Clear();
        f.game.NextUnsolved();  // wraps past solved level 1
        QCOMPARE(f.game.currentLevel, 2);
        QCOMPARE(f.view.selectorPos, 2);
        QCOMPARE(f.view.deals, 2);  // dealt, then dealt again by the selector
        QVERIFY(f.view.pages.empty());
        f.game.StartLevel(4);
        f.view.selectorPos = 4;
        f.game.PreviousUnsolved();  // passes over solved level 3
        QCOMPARE(f.game.currentLevel, 2);
        f.game.solvedFlags[3] = 0;
        f.game.StartLevel(1);
        f.game.PreviousUnsolved();  // wraps from the first level to the last
        QCOMPARE(f.game.currentLevel, 4);
        f.game.solvedFlags[3] = 1;
        f.game.StartLevel(2);
        f.view.selectorPos = 2;
        // Only the current level unsolved: nothing happens either way.
        f.view.Clear();
        f.game.NextUnsolved();
        f.game.PreviousUnsolved();
        QVERIFY(f.view.calls.empty());
        // Everything solved, or a single level: nothing.
        f.game.solvedFlags[1] = 1;
        f.game.NextUnsolved();
        Fixture one(1);
        one.game.StartUp(1);
        one.view.Clear();
        one.game.NextUnsolved();
        one.game.PreviousUnsolved();
        QVERIFY(f.view.calls.empty());
        QVERIFY(one.view.calls.empty());
    }

    void restartAsksOnlyAfterMovesOnAnUnsolvedLevel() {
        Fixture f(2);
        f.game.StartUp(1);
        f.view.Clear();
        f.game.RestartLevel();  // no move yet
        QVERIFY(f.view.pages.empty());
        QCOMPARE(f.view.deals, 1);

        f.OneMoveFromSolved();
        f.game.boxMouseDown(22 + 48 * 6, 20 + 48 * 6);  // a move that does not solve
        Board before = f.game.board;
        f.view.Clear();
        f.view.answers = {ModalResult::No};
        f.game.RestartLevel();
        QCOMPARE(f.view.pages, (std::vector<Page>{Page::Restart}));
        QCOMPARE(f.game.board, before);
        QCOMPARE(f.view.deals, 0);
        for (auto answer : {ModalResult::Yes, ModalResult::Cancel}) {  // the close box counts as yes
            f.game.movedFlag = true;
            f.view.Clear();
            f.view.answers = {answer};
            f.game.RestartLevel();
            QCOMPARE(f.view.deals, 1);
            QVERIFY(!f.game.movedFlag);
        }
        // A solved level is dealt again without a question.
        f.OneMoveFromSolved();
        f.SolvingMove();
        QVERIFY(f.game.levelSolved);
        f.view.Clear();
        f.game.RestartLevel();
        QVERIFY(f.view.pages.empty());
        QCOMPARE(f.view.deals, 1);
        QCOMPARE(f.game.solvedFlags[0], 1);
        QVERIFY(!f.game.levelSolved);  // the new deal is unsolved again
    }

    void newGameAsksUnlessSolved() {
        Fixture f(5);
        f.game.solvedFlags[1] = 1;
        f.game.solvedFlags[499] = 1;  // above the level count: kept
        f.game.StartUp(3);
        Board before = f.game.board;
        f.view.Clear();
        f.view.answers = {ModalResult::No};
        f.game.NewGame();  // asked even without a move
        QCOMPARE(f.view.pages, (std::vector<Page>{Page::Giveup}));
        QCOMPARE(f.game.currentLevel, 3);
        QCOMPARE(f.game.board, before);
        QCOMPARE(f.game.solvedFlags[1], 1);

        f.view.Clear();
        f.view.answers = {ModalResult::Cancel};  // close box: go on
        f.game.NewGame();
        QCOMPARE(f.game.currentLevel, 1);
        QCOMPARE(f.view.selectorPos, 1);
        QCOMPARE(f.game.solvedFlags[1], 0);
        QCOMPARE(f.game.solvedFlags[499], 1);
        QCOMPARE(f.view.calls.back(), std::string("gauge"));

        f.OneMoveFromSolved();
        f.SolvingMove();
        f.view.Clear();
        f.game.NewGame();
        QVERIFY(f.view.pages.empty());
        QCOMPARE(f.game.solvedFlags[0], 0);
    }

    void finishLevelOrderAndAllSolvedOnce() {
        Fixture f(2);
        f.game.solvedFlags[1] = 1;
        f.game.StartUp(1);
        f.OneMoveFromSolved();
        f.view.Clear();
        f.SolvingMove();
        // The cue first, then the texts while the flag is still clear, the won
        // message, and only then the level display, caption and gauge.
        std::vector<std::string> expected{"cue 2",          "cell 1 1", "cell 0 0", "cue 1",
                                          "solved-changed", "page 1",   "levelbox", "caption",
                                          "gauge",          "page 6"};
        QCOMPARE(f.view.calls, expected);
        QVERIFY(f.game.allSolved);
        // Solving again in the same run: only "won", and a flag already set
        // stays as it is, even one that a progress file brought as 7.
        f.game.StartLevel(1);
        f.OneMoveFromSolved();
        f.view.Clear();
        f.SolvingMove();
        QCOMPARE(f.view.pages, (std::vector<Page>{Page::Won}));
        QCOMPARE(f.game.solvedFlags[0], 1);
        f.game.solvedFlags[0] = 7;
        f.OneMoveFromSolved();
        f.SolvingMove();
        QCOMPARE(f.game.solvedFlags[0], 7);
        // A new game does not clear AllSolved: no "allsolved" again.
        f.game.NewGame();
        f.OneMoveFromSolved();
        f.SolvingMove();
        f.game.StartLevel(2);
        f.OneMoveFromSolved();
        f.view.Clear();
        f.SolvingMove();
        QCOMPARE(f.view.pages, (std::vector<Page>{Page::Won}));
    }

    void selectorDealsAtOnce() {
        Fixture f(10);
        f.game.StartUp(1);
        f.game.movedFlag = true;
        f.view.Clear();
        f.view.SetSelectorPosition(7);
        QCOMPARE(f.game.currentLevel, 7);
        QVERIFY(f.view.pages.empty());
        QCOMPARE(f.view.calls.back(), std::string("caption"));
        f.game.SelectLevel(11);  // out of range: ignored
        QCOMPARE(f.game.currentLevel, 7);
    }

    void missingLevelFileIsHarmless() {
        QTemporaryDir dir;
        FakeView view;
        Game g(view);
        view.game = &g;
        g.language = 0;
        std::string path = dir.filePath("ztrn.dat").toStdString();
        g.LoadLevelLibrary(path);
        QCOMPARE(g.LevelCount(), 0);
        QCOMPARE(int(view.errors.size()), 1);
        QVERIFY(view.errors[0].find(path) != std::string::npos);
        g.StartUp(17);
        QCOMPARE(g.currentLevel, 17);  // written back unchanged at close
        QVERIFY(!g.hasSelection);
        view.Clear();
        g.NewGame();
        g.RestartLevel();
        g.NextUnsolved();
        g.PreviousUnsolved();
        g.SelectLevel(1);
        g.boxMouseDown(30, 30);
        QVERIFY(view.calls.empty());

        // A file without one whole record: told as well, in German here.
        { std::ofstream(path, std::ios::binary) << std::string(62, '\0'); }
        FakeView v2;
        Game g2(v2);
        g2.language = 1;
        g2.LoadLevelLibrary(path);
        QCOMPARE(g2.LevelCount(), 0);
        QVERIFY(v2.errors.at(0).find("Stufendatei") != std::string::npos);
    }
};

QTEST_APPLESS_MAIN(LevelOpsTest)
#include "test_levelops.moc"
