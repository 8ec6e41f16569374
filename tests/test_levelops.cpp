// The level operations behind the tool bar, each with every answer to its
// question, start-up clamping, the second deal through the selector and the
// once-per-run "allsolved".
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <functional>

#include "fakeview.h"
#include "game.h"

using namespace zt;

namespace {

constexpr std::uint32_t Seed = 99;

struct Fixture {
    FakeView view;
    Game game{view};
    GameTestAccess state{game};
    explicit Fixture(int levels) {
        view.game = &game;
        game.UseLevels(std::vector<LevelRecord>(levels, Ring()));
        game.Seed(Seed);
    }
    // Brings the board in play into its solved layout with one move to go.
    void OneMoveFromSolved() {
        state.board() = Ring();
        std::swap(state.board()[CellIndex(0, 0)], state.board()[CellIndex(1, 1)]);
        state.Select({0, 0});
    }
    void SolvingMove() { view.Take(game.boxMouseDown({1, 1})); }
};

// Where the random sequence stands after dealing the Ring level `deals` times
// from seed, and the board of the last deal.
std::pair<std::uint32_t, Board> AfterDeals(std::uint32_t seed, int deals) {
    FakeView view;
    Game g(view);
    g.UseLevels({Ring()});
    g.Seed(seed);
    for (int i = 0; i < deals; ++i) {
        view.Take(g.StartLevel(1));
    }
    return {GameTestAccess{g}.randomSeed(), g.board()};
}

std::pair<std::uint32_t, Board> Now(Fixture& f) { return {f.state.randomSeed(), f.game.board()}; }

}  // namespace

class LevelOpsTest : public QObject {
    Q_OBJECT

private slots:
    void startUpClampsAndDealsTwice() {
        Fixture f(25);
        f.view.Take(f.game.StartUp(40));
        QCOMPARE(f.game.currentLevel(), 25);
        QCOMPARE(f.view.selectorPos, 25);
        QCOMPARE(Now(f), AfterDeals(Seed, 2));  // once by the selector's change, once by start-up
        Fixture g(25);
        g.view.Take(g.game.StartUp(0));
        QCOMPARE(g.game.currentLevel(), 1);
        QCOMPARE(Now(g), AfterDeals(Seed, 1));  // the selector already stands at 1
        Fixture h(3);
        h.state.solvedFlags()[0] = h.state.solvedFlags()[1] = h.state.solvedFlags()[2] = 7;
        h.view.Take(h.game.StartUp(2));
        QVERIFY(h.state.allSolved());
    }

    void nextAndPreviousUnsolved_data() {
        QTest::addColumn<int>("levels");
        QTest::addColumn<QList<int>>("solved");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("expected");  // 0: nothing happens
        QTest::newRow("up, wrapping past solved 1") << 4 << QList<int>{1, 3, 4} << 4 << 1 << 2;
        QTest::newRow("down, past solved 3") << 4 << QList<int>{1, 3} << 4 << -1 << 2;
        QTest::newRow("down, wrapping from the first") << 4 << QList<int>{1, 3} << 1 << -1 << 4;
        // The one unsolved level next, further on, and last in the walk.
        const QList<int> allBut2 = {1, 3, 4, 5};
        QTest::newRow("up, the one unsolved next") << 5 << allBut2 << 1 << 1 << 2;
        QTest::newRow("up, the one unsolved past the end") << 5 << allBut2 << 4 << 1 << 2;
        QTest::newRow("up, the one unsolved just behind") << 5 << allBut2 << 3 << 1 << 2;
        QTest::newRow("down, the one unsolved next") << 5 << allBut2 << 3 << -1 << 2;
        QTest::newRow("down, the one unsolved further on") << 5 << allBut2 << 5 << -1 << 2;
        QTest::newRow("down, the one unsolved just behind") << 5 << allBut2 << 1 << -1 << 2;
        QTest::newRow("up, only the current unsolved") << 4 << QList<int>{1, 3, 4} << 2 << 1 << 0;
        QTest::newRow("down, only the current unsolved") << 4 << QList<int>{1, 3, 4} << 2 << -1 << 0;
        QTest::newRow("up, all solved") << 4 << QList<int>{1, 2, 3, 4} << 2 << 1 << 0;
        QTest::newRow("up, a single level") << 1 << QList<int>{} << 1 << 1 << 0;
        QTest::newRow("down, a single level") << 1 << QList<int>{} << 1 << -1 << 0;
        QTest::newRow("no level at all") << 0 << QList<int>{} << 1 << 1 << 0;
    }
    void nextAndPreviousUnsolved() {
        QFETCH(int, levels);
        QFETCH(QList<int>, solved);
        QFETCH(int, from);
        QFETCH(int, direction);
        QFETCH(int, expected);
        Fixture f(levels);
        for (int n : solved) {
            f.state.solvedFlags()[n - 1] = 1;
        }
        f.view.Take(f.game.StartUp(from));
        f.view.Clear();
        const auto before = Now(f);
        f.view.Take(f.game.NextUnsolved(static_cast<Direction>(direction)));
        QVERIFY(f.view.pages.empty());
        if (expected == 0) {
            QCOMPARE(f.game.currentLevel(), from);
            QVERIFY(f.view.Quiet());
            QCOMPARE(Now(f), before);
            return;
        }
        QCOMPARE(f.game.currentLevel(), expected);
        QCOMPARE(f.view.selectorPos, expected);
        // Dealt, then dealt again by the selector.
        QCOMPARE(Now(f), AfterDeals(before.first, 2));
    }

    void restartAsksOnlyAfterMovesOnAnUnsolvedLevel() {
        Fixture f(2);
        f.view.Take(f.game.StartUp(1));
        auto before = Now(f);
        f.view.RestartLevel();  // no move yet
        QVERIFY(f.view.pages.empty());
        QCOMPARE(Now(f), AfterDeals(before.first, 1));

        f.OneMoveFromSolved();
        f.view.Take(f.game.boxMouseDown({6, 6}));  // a move that does not solve
        before = Now(f);
        f.view.Clear();
        f.view.answers = {Answer::No};
        f.view.RestartLevel();
        QCOMPARE(f.view.pages, (std::vector<Page>{Page::Restart}));
        QCOMPARE(Now(f), before);
        f.view.Clear();
        f.view.Take(f.game.Undo());  // taken back to the deal: nothing to lose, nothing asked
        f.view.RestartLevel();
        QVERIFY(f.view.pages.empty());
        for (auto answer : {Answer::Yes, Answer::Cancel}) {  // anything but No deals again
            f.view.Take(f.game.boxMouseDown({6, 6}));
            before = Now(f);
            f.view.answers = {answer};
            f.view.RestartLevel();
            QCOMPARE(Now(f), AfterDeals(before.first, 1));
            QVERIFY(!(f.game.SwapsStanding() > 0));
        }
        // A solved level is dealt again without a question.
        f.OneMoveFromSolved();
        f.SolvingMove();
        QVERIFY(f.game.levelSolved());
        before = Now(f);
        f.view.Clear();
        f.view.RestartLevel();
        QVERIFY(f.view.pages.empty());
        QCOMPARE(Now(f), AfterDeals(before.first, 1));
        QCOMPARE(f.game.solvedFlags()[0], 1);
        QVERIFY(!f.game.levelSolved());  // the new deal is unsolved again
    }

    void newGameAsksWhileAnythingIsToLose() {
        Fixture f(5);
        f.state.solvedFlags()[1] = 1;
        f.state.solvedFlags()[499] = 1;  // above the level count: kept
        f.view.Take(f.game.StartUp(3));
        auto before = Now(f);
        f.view.Clear();
        f.view.answers = {Answer::No};
        f.view.NewGame();  // asked even without a move
        QCOMPARE(f.view.pages, (std::vector<Page>{Page::Giveup}));
        QCOMPARE(f.game.currentLevel(), 3);
        QCOMPARE(Now(f), before);
        QCOMPARE(f.game.solvedFlags()[1], 1);

        f.view.answers = {Answer::Cancel};  // close box: go on
        f.view.NewGame();
        QCOMPARE(f.game.currentLevel(), 1);
        QCOMPARE(f.view.selectorPos, 1);
        QCOMPARE(Now(f), AfterDeals(before.first, 2));  // by the selector, then by the new game
        QCOMPARE(f.game.solvedFlags()[1], 0);
        QCOMPARE(f.game.solvedFlags()[499], 1);

        // A solved level in play with another level's flag set: asked, and
        // No keeps the flag; with none set among the levels, not asked.
        f.OneMoveFromSolved();
        f.SolvingMove();
        f.state.solvedFlags()[0] = 0;
        f.state.solvedFlags()[2] = 1;
        f.view.Clear();
        f.view.answers = {Answer::No};
        f.view.NewGame();
        QCOMPARE(f.view.pages, (std::vector<Page>{Page::Giveup}));
        QCOMPARE(f.game.solvedFlags()[2], 1);
        QVERIFY(f.game.levelSolved());
        f.state.solvedFlags()[2] = 0;
        f.view.Clear();
        f.view.NewGame();
        QVERIFY(f.view.pages.empty());
        QVERIFY(!f.game.levelSolved());
    }

    void finishLevelAndAllSolvedOnce() {
        Fixture f(2);
        f.state.solvedFlags()[1] = 1;
        f.view.Take(f.game.StartUp(1));
        f.OneMoveFromSolved();
        f.view.Clear();
        const Outcome solving = f.view.Take(f.game.boxMouseDown({1, 1}));
        QCOMPARE(solving.swapped, std::optional(Swap{{0, 0}, {1, 1}}));
        QVERIFY(solving.solved && solving.flagsChanged && !solving.dealt);
        QCOMPARE(f.view.cues, (std::vector<Cue>{Cue::Move, Cue::Solved}));
        QCOMPARE(f.view.pages, (std::vector<Page>{Page::Won, Page::AllSolved}));
        QVERIFY(f.game.levelSolved() && f.game.IsLevelSolved(1));
        QVERIFY(f.state.allSolved());
        // Solving again in the same run: only "won", and a flag already set
        // stays as it is, even one that a progress file brought as 7.
        f.view.Take(f.game.StartLevel(1));
        f.OneMoveFromSolved();
        f.view.Clear();
        f.SolvingMove();
        QCOMPARE(f.view.pages, (std::vector<Page>{Page::Won}));
        QCOMPARE(f.game.solvedFlags()[0], 1);
        f.state.solvedFlags()[0] = 7;
        f.OneMoveFromSolved();
        f.SolvingMove();
        QCOMPARE(f.game.solvedFlags()[0], 7);
        // A new game does not clear AllSolved: no "allsolved" again.
        f.view.NewGame();
        f.OneMoveFromSolved();
        f.SolvingMove();
        f.view.Take(f.game.StartLevel(2));
        f.OneMoveFromSolved();
        f.view.Clear();
        f.SolvingMove();
        QCOMPARE(f.view.pages, (std::vector<Page>{Page::Won}));
    }

    // Every deal starts with nothing to take back; an undo that makes the
    // board fit solves it as a click would, and a solved level stays solved.
    void undoAfterDealsAndSolving() {
        Fixture f(2);
        f.view.Take(f.game.StartUp(1));
        const std::function<void(FakeView&)> deals[] = {
            &FakeView::RestartLevel, &FakeView::NewGame, [](FakeView& v) { v.SetSelectorPosition(2); }};
        for (const auto& deal : deals) {
            f.OneMoveFromSolved();
            f.view.Take(f.game.boxMouseDown({6, 6}));
            f.view.answers = {Answer::Yes};
            deal(f.view);
            const Board dealt = f.game.board();
            f.view.Clear();
            f.view.Take(f.game.Undo());
            QCOMPARE(f.game.board(), dealt);
            QVERIFY(f.view.cues.empty());
        }
        f.state.board() = Ring();
        f.state.Select({0, 0});
        f.view.Take(f.game.boxMouseDown({1, 1}));
        f.view.Clear();
        f.view.Take(f.game.Undo());
        QCOMPARE(f.view.cues, (std::vector<Cue>{Cue::Move, Cue::Solved}));
        QCOMPARE(f.view.pages, (std::vector<Page>{Page::Won}));
        f.view.Take(f.game.Redo());
        QCOMPARE(f.game.board(), Ring());
        QVERIFY(!f.game.Hint());
        // Solved by a click: the swap stays, and so do the marker and the win.
        f.OneMoveFromSolved();
        f.SolvingMove();
        f.view.Clear();
        f.view.Take(f.game.Undo());
        f.view.Take(f.game.Redo());
        QCOMPARE(f.game.board(), Ring());
        QCOMPARE(QPoint(f.game.selCol(), f.game.selRow()), QPoint(1, 1));
        QVERIFY(f.game.levelSolved() && f.view.cues.empty());
    }

    // What a solve tells the records: the swaps standing, the hint's count as
    // dealt and whether a hint was given, each anew with every deal.
    void dealAsTheRecordsSeeIt() {
        Fixture f(2);
        f.view.Take(f.game.StartUp(2));
        const int count = f.game.DealHintCount();
        QVERIFY(count > 1 && !f.game.HintUsed());
        f.view.Take(f.game.boxMouseDown(*f.game.Hint()));
        QVERIFY(f.game.HintUsed());
        QCOMPARE(f.game.DealHintCount(), count);
        while (!f.game.levelSolved())
            f.view.Take(f.game.boxMouseDown(*f.game.Hint()));
        QCOMPARE(f.game.SwapsStanding(), count);
        f.view.RestartLevel();
        QVERIFY(!f.game.HintUsed() && f.game.DealHintCount() > 2);
        f.view.Take(f.game.boxMouseDown(*f.game.Hint()));
        f.view.Take(f.game.boxMouseDown(*f.game.Hint()));
        f.view.Take(f.game.Undo());
        QCOMPARE(f.game.SwapsStanding(), 1);
    }

    void selectorDealsAtOnce() {
        Fixture f(10);
        f.view.Take(f.game.StartUp(1));
        f.view.Take(f.game.boxMouseDown(f.game.selCol() == 0 ? Cell{1, 0} : Cell{0, 0}));
        f.view.Clear();
        f.view.SetSelectorPosition(7);
        QCOMPARE(f.game.currentLevel(), 7);
        QVERIFY(f.view.pages.empty());
        QVERIFY(!(f.game.SwapsStanding() > 0));
        f.view.Take(f.game.SelectLevel(11));  // out of range: ignored
        QCOMPARE(f.game.currentLevel(), 7);
    }

    void missingLevelFileIsHarmless() {
        QTemporaryDir dir;
        FakeView view;
        Game g(view);
        view.game = &g;
        std::string path = dir.filePath("ztrn.dat").toStdString();
        g.LoadLevelLibrary(path);
        QCOMPARE(g.LevelCount(), 0);
        QCOMPARE(view.reports, (std::vector<std::string>{"file 0 0 " + path}));
        view.Take(g.StartUp(17));
        QCOMPARE(g.currentLevel(), 17);  // written back unchanged at close
        QVERIFY(!g.hasSelection());
        view.Clear();
        view.NewGame();
        view.RestartLevel();
        view.Take(g.NextUnsolved(Direction::Up));
        view.Take(g.NextUnsolved(Direction::Down));
        view.Take(g.SelectLevel(1));
        view.Take(g.boxMouseDown({0, 0}));
        QVERIFY(view.Quiet());

        // A file without one whole record: told as well.
        { std::ofstream(path, std::ios::binary) << std::string(62, '\0'); }
        view.Clear();
        g.LoadLevelLibrary(path);
        QCOMPARE(g.LevelCount(), 0);
        QCOMPARE(view.reports, (std::vector<std::string>{"file 1 0 " + path}));
    }
};

QTEST_APPLESS_MAIN(LevelOpsTest)
#include "test_levelops.moc"
