// The game played from the keyboard alone, and what a screen reader is told.
#include <QAccessible>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "helpwindow.h"
#include "hintblink.h"
#include "render.h"
#include "test_ui.h"
#include "languagedialog.h"
#include "uifixture.h"
#include "messagedialog.h"

using uitest::Answer;
using uitest::FittingRecord;
using uitest::NeverFittingRecord;
using uitest::WhenModal;

namespace {

// The frame on cell (c, r) of the board at 1x, and nothing else changed.
void CheckFrameOn(const QImage& before, const QImage& after, QPoint cell) {
    uitest::CheckFocusFrame(before, after, zt::render::CellOrigin(cell.x(), cell.y()), 48, 1);
}

// Focus and shortcuts need the window active; offscreen, another window
// coming and going may leave none active.
void Activate(QWidget& w) {
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // The widgets learn of it a little after the window system's window.
    QTRY_VERIFY(QApplication::activeWindow() == &w);
}

// Where the focus is, for a failure's message.
QString FocusOwner() {
    const auto name = [](QWidget* w) {
        return w ? QString::fromLatin1(w->metaObject()->className()) + ' ' + w->objectName()
                 : QStringLiteral("none");
    };
    return "focus on " + name(QApplication::focusWidget()) + ", active window " +
           name(QApplication::activeWindow());
}

QString Text(QObject* o, QAccessible::Text t) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
    return i ? i->text(t) : QStringLiteral("(no interface)");
}

// Names of the visible buttons under a dialog, as a screen reader walks it.
void Buttons(QAccessibleInterface* i, QStringList& names) {
    for (int k = 0; k < i->childCount(); ++k) {
        QAccessibleInterface* c = i->child(k);
        if (!c || c->state().invisible) {
            continue;
        }
        if (c->role() == QAccessible::PushButton) {
            names << c->text(QAccessible::Name);
        }
        Buttons(c, names);
    }
}

} // namespace

void KeyboardTest::frameIsDrawnOnlyWhileTheBoardHasTheFocus() {
    uitest::Game g;
    g.Start(3, FittingRecord());
    g.Show();
    auto& f = g.Form();
    auto& s = g.State();
    Controls(f).Timer->stop(); // the marker stands still, so pictures can be compared
    f.DrawSelectedCell();
    Activate(f);
    QTRY_VERIFY2(Controls(f).levelscroll->hasFocus(), qPrintable(FocusOwner()));
    const QImage plain = Controls(f).box->Image().copy();
    const QPoint marked(s.selCol(), s.selRow());
    const QImage tile = uitest::Rgb(zt::TestSeam::Bitmaps(f).Item(0).Bitmap)
                            .copy(zt::render::TileRect(s.TileAt(marked.x(), marked.y())));
    const QPoint at = zt::render::CellOrigin(marked.x(), marked.y());
    QVERIFY2(plain.copy(at.x(), at.y(), 48, 48) != tile, "no marker on the marked cell");

    // Tab: the frame comes onto the marked cell, over its marker.
    QTest::keyClick(Controls(f).levelscroll, Qt::Key_Tab);
    QVERIFY(Controls(f).box->hasFocus());
    QCOMPARE(zt::TestSeam::FocusFrameCell(f), marked);
    CheckFrameOn(plain, Controls(f).box->Image(), marked);
    // The tick redraws the marked cell with its frame.
    f.TimerTimer();
    f.TimerTimer();
    QCOMPARE(Controls(f).box->Image().pixel(at + QPoint(2, 2)) & 0xffffff, 0xffffffu);
    for (int i = 0; i < 6; ++i) {
        f.TimerTimer(); // back to the frame of the plain picture
    }

    // One step aside: the frame on a plain tile, the marked cell as before.
    const QPoint aside(marked.x() < 8 ? marked.x() + 1 : marked.x() - 1, marked.y());
    QTest::keyClick(Controls(f).box, marked.x() < 8 ? Qt::Key_Right : Qt::Key_Left);
    QCOMPARE(zt::TestSeam::FocusFrameCell(f), aside);
    CheckFrameOn(plain, Controls(f).box->Image(), aside);

    // The arrows stop at the borders.
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(Controls(f).box, Qt::Key_Down);
        QTest::keyClick(Controls(f).box, Qt::Key_Right);
    }
    QCOMPARE(zt::TestSeam::FocusFrameCell(f), QPoint(8, 6));
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(Controls(f).box, Qt::Key_Up);
        QTest::keyClick(Controls(f).box, Qt::Key_Left);
    }
    QCOMPARE(zt::TestSeam::FocusFrameCell(f), QPoint(0, 0));
    CheckFrameOn(plain, Controls(f).box->Image(), {0, 0});

    // Tab again: the unsolved-level buttons, back to the selector, and no frame anywhere.
    const auto c = Controls(f);
    for (QWidget* next : std::initializer_list<QWidget*>{c.sDownBtn, c.sUpBtn, c.levelscroll}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY2(next->hasFocus(), qPrintable(FocusOwner()));
    }
    QCOMPARE(Controls(f).box->Image(), plain);
    QTest::keyClick(Controls(f).levelscroll, Qt::Key_Right); // the selector's keys as before
    QCOMPARE(s.currentLevel(), 2);
    QVERIFY(!zt::TestSeam::FocusFrameShown(f));
}

void KeyboardTest::spaceAndEnterMoveAsAClickDoes() {
    uitest::Game g;
    g.Start(3, FittingRecord());
    g.Show();
    auto& f = g.Form();
    auto& s = g.State();
    g.OneMoveFromSolved(); // marked (2, 0); (1, 0) solves
    Activate(f);
    Controls(f).box->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(Controls(f).box, Qt::Key_Left);
        QTest::keyClick(Controls(f).box, Qt::Key_Up);
    }

    // Space on (2, 1) swaps with it, Return on (2, 0) swaps back: the framed
    // cell, as a click on it. What a move does is the engine's.
    for (auto key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Space}) {
        QTest::keyClick(Controls(f).box, key);
    }
    QCOMPARE(QPoint(s.selCol(), s.selRow()), QPoint(2, 1));
    QTest::keyClick(Controls(f).box, Qt::Key_Up);
    QTest::keyClick(Controls(f).box, Qt::Key_Return);
    QCOMPARE(QPoint(s.selCol(), s.selRow()), QPoint(2, 0));

    // Enter on (1, 0) solves.
    QTest::keyClick(Controls(f).box, Qt::Key_Left);
    WhenModal([](QWidget* w) { uitest::PageButton(w, 1, 1)->click(); });
    QTest::keyClick(Controls(f).box, Qt::Key_Enter);
    QVERIFY(s.levelSolved());
    QCOMPARE(Text(Controls(f).box, QAccessible::Description), QStringLiteral("Level 1, solved"));

    // A new deal: the frame starts again on the marked cell.
    Activate(f);
    QVERIFY(Controls(f).box->hasFocus());
    QTest::keyClick(Controls(f).box, Qt::Key_R, Qt::ControlModifier); // solved: no question
    QTRY_VERIFY(!s.levelSolved());
    QCOMPARE(zt::TestSeam::FocusFrameCell(f), QPoint(s.selCol(), s.selRow()));
    QCOMPARE(Text(Controls(f).box, QAccessible::Description),
             QStringLiteral("Level 1, solved before"));
}

void KeyboardTest::hintIsLitAtOnceAndBlinksUntilAClick() {
    QWidget window;
    auto* child = new QWidget(&window);
    int redrawn = 0;
    zt::HintBlink blink(&window, [&](int c, int r) { redrawn += c == 2 && r == 1; });
    blink.Start({2, 1});
    QCOMPARE(redrawn, 1);
    QVERIFY(blink.FrameOn(2, 1, false));
    QTRY_VERIFY(!blink.FrameOn(2, 1, false));
    QTRY_VERIFY(blink.FrameOn(2, 1, false));
    QTest::mouseClick(child, Qt::LeftButton);
    QVERIFY(!blink.Standing() && !blink.FrameOn(2, 1, false));
}

void KeyboardTest::shortcutsRunTheButtonsHandlers_data() {
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("shown");
    QTest::newRow("F1") << QKeySequence(Qt::Key_F1) << "help The_game";
    QTest::newRow("Ctrl+N") << QKeySequence(Qt::CTRL | Qt::Key_N) << "page 4";
    QTest::newRow("Ctrl+R") << QKeySequence(Qt::CTRL | Qt::Key_R) << "page 2";
    QTest::newRow("Ctrl+O") << QKeySequence(Qt::CTRL | Qt::Key_O) << "open";
    QTest::newRow("Ctrl+S") << QKeySequence(Qt::CTRL | Qt::Key_S) << "save";
    QTest::newRow("Ctrl+Q") << QKeySequence(Qt::CTRL | Qt::Key_Q) << "page 3";
}

void KeyboardTest::shortcutsRunTheButtonsHandlers() {
    QFETCH(QKeySequence, key);
    QFETCH(QString, shown);
    uitest::Game g;
    g.Start(3, NeverFittingRecord());
    g.Show();
    auto& f = g.Form();
    auto& s = g.State();
    const int c = s.selCol() == 0 ? 1 : 0; // a swap, so that restart asks
    g.ClickCell(c, s.TileAt(c, 0) == 0 ? 0 : 1);
    QString seen;
    const bool help = shown.startsWith("help");
    if (!help) {
        WhenModal([&seen](QWidget* w) {
            if (auto* d = qobject_cast<zt::TYesNoDlg*>(w)) {
                seen = QStringLiteral("page %1").arg(uitest::ShownPage(d));
                uitest::PageButton(d, uitest::ShownPage(d), 2)->click(); // No, or Cancel
            } else if (auto* d = qobject_cast<QFileDialog*>(w)) {
                seen = d->acceptMode() == QFileDialog::AcceptOpen ? "open" : "save";
                d->reject();
            } else {
                seen = w->metaObject()->className();
                w->close();
            }
        });
    }
    // A shortcut counts only in the active window; offscreen, a window shown
    // and hidden elsewhere can take the activation: it must hold as the key goes.
    const auto answered = [&] {
        return !seen.isEmpty() || (zt::TestSeam::Help(f) && zt::TestSeam::Help(f)->isVisible());
    };
    Activate(f);
    QTRY_VERIFY2(QApplication::activeWindow() == &f, qPrintable(FocusOwner()));
    QTest::keyClick(Controls(f).levelscroll, key[0].key(), key[0].keyboardModifiers());
    QTRY_VERIFY_WITH_TIMEOUT(answered(), 10000); // a file dialog takes its time
    if (help) {
        QVERIFY(zt::TestSeam::Help(f) && zt::TestSeam::Help(f)->isVisible());
        seen = "help " + zt::TestSeam::Help(f)->Topic();
    }
    QCOMPARE(seen, shown);
    // The hint stays as it is.
    QCOMPARE(Controls(f).NewGameBtn->toolTip(), QStringLiteral("I want to play a new game."));
}

void KeyboardTest::screenReaderNamesFollowTheLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("golden"); // object, name, description, ...
    QTest::newRow("English") << 0
                             << QStringList{"NewGameBtn",
                                            "I want to play a new game.",
                                            "I want to play a new game. (Ctrl+N)",
                                            "ExitBtn",
                                            "I have enough!",
                                            "I have enough! (Ctrl+Q)",
                                            "RulesBtn",
                                            "What's to do here?",
                                            "What's to do here? (F1)",
                                            "SoundBtn",
                                            "I dont like the sound always.",
                                            "I dont like the sound always.",
                                            "levelscroll",
                                            "Select level",
                                            "Select level",
                                            "levelbox",
                                            "Level 1: unsolved",
                                            "Level 1: unsolved. Click or Ctrl+L: all levels at "
                                            "a glance",
                                            "box",
                                            "Board",
                                            "Level 1, unsolved"};
    QTest::newRow("German") << 1
                            << QStringList{"NewGameBtn",
                                           "Ich fang ein neues Spiel an.",
                                           "Ich fang ein neues Spiel an. (Strg+N)",
                                           "SaveBtn",
                                           "Einmal zu oft gesichert ist besser als einmal zuwenig",
                                           "Einmal zu oft gesichert ist besser als einmal zuwenig "
                                           "(Strg+S)",
                                           "TongueBtn",
                                           "I don't speak german.",
                                           "I don't speak german.",
                                           "levelbox",
                                           "Stufe 1: ungelöst",
                                           "Stufe 1: ungelöst. Klick oder Strg+L: alle Stufen "
                                           "auf einen Blick",
                                           "sUpBtn",
                                           "nächsthöhere ungelöste Stufe",
                                           "nächsthöhere ungelöste Stufe (Strg+Bild ab)",
                                           "box",
                                           "Spielfeld",
                                           "Stufe 1, ungelöst"};
}

void KeyboardTest::screenReaderNamesFollowTheLanguage() {
    QFETCH(int, language);
    QFETCH(QStringList, golden);
    uitest::Game g;
    g.Start(3, NeverFittingRecord(), language);
    g.Show();
    auto& f = g.Form();
    for (int i = 0; i + 2 < golden.size(); i += 3) {
        auto* w = f.findChild<QWidget*>(golden[i]);
        QVERIFY2(w, qPrintable(golden[i]));
        QCOMPARE(Text(w, QAccessible::Name), golden[i + 1]);
        QCOMPARE(Text(w, QAccessible::Description), golden[i + 2]);
    }
    // No tool-bar control without a name.
    for (auto* b : Controls(f).ToolPanel->findChildren<QToolButton*>()) {
        QVERIFY2(!Text(b, QAccessible::Name).isEmpty(), qPrintable(b->objectName()));
        QCOMPARE(Text(b, QAccessible::Name), b->toolTip());
    }
    // The board's description follows the level.
    QTest::keyClick(Controls(f).levelscroll, Qt::Key_Right);
    QCOMPARE(Text(Controls(f).box, QAccessible::Description), language == 1
                                                        ? QStringLiteral("Stufe 2, ungelöst")
                                                        : QStringLiteral("Level 2, unsolved"));

    // The dialogs read out their question and their answers, as shown.
    QString question, shown;
    QStringList answers, buttons;
    WhenModal([&](QWidget* w) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
        question = i->text(QAccessible::Description);
        shown = uitest::PageLabel(w, 4)->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
        Buttons(i, answers);
        buttons = {uitest::PageButton(w, 4, 1)->text(), uitest::PageButton(w, 4, 2)->text()};
        uitest::PageButton(w, 4, 2)->click();
    });
    Controls(f).NewGameBtn->click();
    QVERIFY(!shown.isEmpty());
    QCOMPARE(question, shown);
    QCOMPARE(answers, buttons);

    answers.clear();
    WhenModal([&](QWidget* w) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
        question = i->text(QAccessible::Description);
        Buttons(i, answers);
        w->findChild<QPushButton*>("GermanBtn")->click();
    });
    Controls(f).TongueBtn->click();
    QCOMPARE(answers, (QStringList{"I speak english.", "Ich spreche deutsch."}));
    QVERIFY(question.contains("I speak english.") && question.contains("Ich spreche deutsch."));
    // Renewed in the chosen language.
    QCOMPARE(Text(Controls(f).RestartBtn, QAccessible::Description),
             QStringLiteral("Ich probier's nochmal. (Strg+R)"));
    QCOMPARE(Text(Controls(f).box, QAccessible::Name), QStringLiteral("Spielfeld"));
}

// The hint's frame is there at once and blinks until the player does
// something.
void KeyboardTest::hintStandsUntilTheNextKey() {
    uitest::Game g;
    g.Start(3, NeverFittingRecord());
    g.Show();
    auto& f = g.Form();
    Controls(f).Timer->stop();
    // A deal with every tile already where the hint would lead has nothing
    // to hint: such a deal is dealt again.
    for (int i = 0; i < 50 && !g.State().Hint(); ++i)
        Controls(f).RestartBtn->click();
    QVERIFY(g.State().Hint());
    Activate(f);
    QTRY_VERIFY2(QApplication::activeWindow() == &f, qPrintable(FocusOwner()));
    const QImage before = Controls(f).box->Image().copy();
    QTest::keyClick(Controls(f).levelscroll, Qt::Key_H);
    const auto hinted = zt::TestSeam::HintedCell(f);
    QVERIFY(hinted);
    uitest::CheckFocusFrame(before, Controls(f).box->Image(),
                            zt::render::CellOrigin(hinted->c, hinted->r), 48, 1);
    // Blinking on past two seconds: ten changes of the frame.
    int changes = 0;
    QImage last = Controls(f).box->Image().copy();
    QTRY_VERIFY_WITH_TIMEOUT(([&] {
        if (Controls(f).box->Image() != last) {
            ++changes;
            last = Controls(f).box->Image().copy();
        }
        return changes >= 10;
    }()), 5000);
    QTest::keyClick(Controls(f).levelscroll, Qt::Key_Shift);
    QVERIFY(!zt::TestSeam::HintedCell(f));
    QCOMPARE(Controls(f).box->Image(), before);
}
