// The main window as the player meets it: first start, moves, solving,
// the level operations of the tool bar and closing.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolButton>
#include <QWindow>
#include <future>

#include "cmdline.h"
#include "helpwindow.h"
#include "levelreports.h"
#include "paintbox.h"
#include "render.h"
#include "test_ui.h"
#include "texts.h"
#include "languagedialog.h"
#include "uifixture.h"
#include "messagedialog.h"

using uitest::Answer;
using uitest::FittingRecord;
using uitest::NeverFittingRecord;
using uitest::Rgb;
using uitest::WhenModal;

namespace {

bool ShowsTile(uitest::Game& g, int c, int r, int tile) {
    QImage sheet = Rgb(zt::TestSeam::Bitmaps(g.Form()).Item(0).Bitmap);
    return Controls(g.Form()).box->Image().copy(QRect(zt::render::CellOrigin(c, r), QSize(48, 48))) ==
           sheet.copy(zt::render::TileRect(tile));
}

const char* const EnglishLoadHint = "I want to continue an old game.";

// When the window gets its pictures.
enum Pictures { ReadAtOnce, HandedOverLater, TakenAtTheShowing };

} // namespace

void FirstStartTest::emptyStoreGivesEnglishLevelOneAndAsksForTheLanguage() {
    uitest::Game g;
    g.WriteLevels({3, FittingRecord()});
    g.w = zt::CreateGameWindows(g.Dir());
    auto& f = g.Form();
    QCOMPARE(f.windowTitle(), QStringLiteral("Zorbly Tarnel V2.2 - Game noname.ztn"));
    QCOMPARE(Controls(f).LoadBtn->toolTip(), QString(EnglishLoadHint));
    QCOMPARE(Controls(f).levellabel->text(), QStringLiteral("Level:"));
    QCOMPARE(g.State().currentLevel(), 1);
    QVERIFY(Controls(f).SoundBtn->isChecked());
    Controls(f).SoundBtn->click(); // off

    QStringList seen;
    WhenModal([&](QWidget* w) {
        seen << w->objectName();
        w->close();
        WhenModal([&](QWidget* w2) {
            seen << w2->objectName();
            g.w.TongueDlg->findChild<QPushButton*>("GermanBtn")->click();
        });
    });
    f.show();
    QTRY_COMPARE(seen.size(), 2);
    QCOMPARE(seen, QStringList({"Splash", "TongueDlg"}));
    QCOMPARE(g.State().language(), zt::Language::German);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    // The texts stay as they were until the next deal.
    QCOMPARE(Controls(f).LoadBtn->toolTip(), QString(EnglishLoadHint));
    QCOMPARE(f.windowTitle(), QStringLiteral("Zorbly Tarnel V2.2 - Game noname.ztn"));
    Controls(f).RestartBtn->click();
    QCOMPARE(Controls(f).LoadBtn->toolTip(), QStringLiteral("Ich hol mir einen alten Spielstand."));
    QCOMPARE(Controls(f).levellabel->text(), QStringLiteral("Stufe:"));
    QCOMPARE(f.windowTitle(), QStringLiteral("Zorbly Tarnel V2.2 - Spiel noname.ztn"));
    QCOMPARE(f.focusWidget(), static_cast<QWidget*>(Controls(f).levelscroll));
}

void FirstStartTest::languageDialogClosedKeepsAskingAtTheNextStart() {
    uitest::Game g;
    g.Start(2, FittingRecord(), -1);
    bool asked = false;
    WhenModal([&](QWidget* splash) {
        splash->close();
        WhenModal([&](QWidget* tongue) {
            asked = tongue == g.w.TongueDlg;
            tongue->close();
        });
    });
    g.Form().show();
    QTRY_VERIFY(asked);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(g.State().language(), zt::Language::NotChosen);
    Answer({"Btn0301", "close"});
    g.Form().close();
    QTRY_VERIFY(!g.Form().isVisible());
    QCOMPARE(g.Store().ReadNumber("common", "tongue", 99), -1);
}

void FirstStartTest::storedLevelIsBroughtIntoRange() {
    uitest::Game g;
    g.Store().WriteNumber("common", "level", 250);
    g.Start(200, NeverFittingRecord());
    QCOMPARE(Controls(g.Form()).levelscroll->value(), 200);
    QCOMPARE(Controls(g.Form()).levelscroll->maximum(), 200);
}

void FirstStartTest::missingProgressFileIsNamedWithoutAMessage() {
    uitest::Game g;
    // A name with Qt's caption placeholder in it must still show as it is.
    g.Store().WriteText("common", "save", g.Dir() + "gone/old[*]game.ztn");
    QString box;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            box = w->metaObject()->className();
            w->close();
        }
    });
    watch.start(5);
    g.Start(3, NeverFittingRecord());
    watch.stop();
    QCOMPARE(box, QString()); // no message at start-up
    QCOMPARE(g.State().SolvedCount(), 0);
    g.Show();
    QCOMPARE(g.Form().windowHandle()->title(),
             QStringLiteral("Zorbly Tarnel V2.2 - Game old[*]game.ztn"));
}

void FirstStartTest::givenProgressFileIsReadInsteadOfTheRemembered() {
    uitest::Game g;
    g.WriteLevels({3, NeverFittingRecord()});
    QFile given(g.Dir() + "given.ztn");
    QVERIFY(given.open(QIODevice::WriteOnly) && given.write("\0\1", 2) == 2);
    given.close();
    g.w = zt::CreateGameWindows(g.Dir(), false, g.Dir() + "given.ztn");
    QCOMPARE(zt::ReadCommandLine({"zorbly-tarnel", "given.ztn"}).progressFile,
             QDir::current().absoluteFilePath("given.ztn"));
    QCOMPARE(g.State().SolvedCount(), 1);
    QCOMPARE(g.Form().windowTitle(), QStringLiteral("Zorbly Tarnel V2.2 - Game given.ztn"));
}

void PlayTest::moveSwapsTheTwoCellsOnScreen() {
    uitest::Game g;
    g.Start(1, NeverFittingRecord());
    Controls(g.Form()).Timer->stop();
    auto& s = g.State();
    const int oldC = s.selCol(), oldR = s.selRow();
    QCOMPARE(s.TileAt(oldC, oldR), 39);
    // Every other cell is grass.
    const int c = oldC == 0 ? 1 : 0, r = oldR == 0 ? 1 : 0;
    g.ClickCell(c, r);
    QVERIFY(ShowsTile(g, c, r, 39));
    QVERIFY(ShowsTile(g, oldC, oldR, 0));
}

// How the car is laid over its tile is checked at every display scale in
// the scale tests; here, where it turns and how often.
void PlayTest::markerTurnsOnTheSelectedCellOnly() {
    uitest::Game g;
    g.Start(1, NeverFittingRecord());
    auto& f = g.Form();
    Controls(f).Timer->stop();
    auto& s = g.State();
    f.TimerTimer();
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 7; ++r) {
            const bool marked = c == s.selCol() && r == s.selRow();
            QVERIFY(ShowsTile(g, c, r, s.TileAt(c, r)) != marked);
        }
    }
    // The car turns with each tick, and eight ticks are one turn.
    const QImage first = Controls(f).box->Image().copy();
    f.TimerTimer();
    QVERIFY(Controls(f).box->Image() != first);
    for (int i = 0; i < 7; ++i) {
        f.TimerTimer();
    }
    QCOMPARE(Controls(f).box->Image(), first);
}

void PlayTest::solvingShowsWonThenMarksTheLevel() {
    uitest::Game g;
    g.Start(2, FittingRecord());
    auto& f = g.Form();
    Controls(f).Timer->stop();
    g.OneMoveFromSolved();
    const QImage digits = Rgb(zt::TestSeam::Bitmaps(f).Item(2).Bitmap);
    const QRect face(42, 0, 13, 20);
    bool sadWhileWon = false;
    int page = 0;
    WhenModal([&](QWidget* w) {
        page = uitest::ShownPage(g.w.YesNoDlg);
        sadWhileWon = Controls(f).levelbox->Image().copy(face) == digits.copy(zt::render::FaceRect(false));
        uitest::PageButton(w, 1, 1)->click();
    });
    g.ClickCell(1, 0);
    QCOMPARE(page, 1);
    QVERIFY(sadWhileWon);
    QCOMPARE(Controls(f).levelbox->Image().copy(face), digits.copy(zt::render::FaceRect(true)));
    QCOMPARE(Controls(f).levelbox->toolTip(), QStringLiteral("Level 1: solved"));
    QVERIFY(!f.findChild<QToolButton*>("HintBtn")->isEnabled()); // nothing left to hint
    // One of two levels: the lower 157 rows of the gauge are full.
    const QImage backdrop = Rgb(zt::TestSeam::Bitmaps(f).Item(1).Bitmap);
    QCOMPARE(Controls(f).box->Image().copy(469, 190, 31, 157), backdrop.copy(469, 190, 31, 157));
    QCOMPARE(Controls(f).box->Image().copy(469, 32, 31, 158), backdrop.copy(415, 32, 31, 158));
    // No marker on a solved level, and it comes back with the next deal.
    f.TimerTimer();
    QVERIFY(ShowsTile(g, 1, 0, 38));
    Controls(f).RestartBtn->click(); // solved: no question
    f.TimerTimer();
    QVERIFY(!ShowsTile(g, g.State().selCol(), g.State().selRow(),
                       g.State().TileAt(g.State().selCol(), g.State().selRow())));
}

// The rim counts the deal's swaps (an undo takes one back, a redo adds it
// again), its par and its time, paused while the window is inactive; its
// buttons do what their commands do, enabled only when they can.
void PlayTest::rimCountsAndOffersTheCommands() {
    uitest::Game g;
    g.Start(3, NeverFittingRecord());
    auto& f = g.Form();
    g.Show();
    Controls(f).Timer->stop();
    auto* count = f.findChild<QLabel*>("SwapCount");
    const auto button = [&](const char* name) {
        return f.findChild<QToolButton*>(name);
    };
    QVERIFY(count->text().startsWith("Swaps 0 \u00b7 par "));
    QCOMPARE(count->accessibleName(), count->text());
    QVERIFY(!button("UndoBtn")->isEnabled() && !button("RedoBtn")->isEnabled());
    QVERIFY(button("HintBtn")->isEnabled() && button("LevelsBtn")->isEnabled());
    QVERIFY(!button("ZoomOutBtn")->isEnabled());
    QCOMPARE(button("UndoBtn")->accessibleName(), QStringLiteral("Undo"));
    QCOMPARE(button("UndoBtn")->toolTip(), QStringLiteral("Take back the last swap (Ctrl+Z)"));
    auto& s = g.State();
    g.ClickCell(s.selCol() == 0 ? 1 : 0, s.selRow() == 0 ? 1 : 0);
    QVERIFY(count->text().startsWith("Swaps 1 \u00b7"));
    QVERIFY(button("UndoBtn")->isEnabled() && !button("RedoBtn")->isEnabled());
    button("UndoBtn")->click();
    QVERIFY(count->text().startsWith("Swaps 0 \u00b7"));
    QVERIFY(!button("UndoBtn")->isEnabled() && button("RedoBtn")->isEnabled());
    button("RedoBtn")->click();
    QVERIFY(count->text().startsWith("Swaps 1 \u00b7"));
    uitest::Answer({"Btn0201"}); // restart: yes
    Controls(f).RestartBtn->click();
    QVERIFY(count->text().startsWith("Swaps 0 \u00b7"));
    QVERIFY(!button("RedoBtn")->isEnabled());

    QWidget other;
    other.show();
    other.activateWindow();
    QTRY_VERIFY(!f.isActiveWindow());
    const qint64 paused = zt::TestSeam::DealTime(f);
    QElapsedTimer inactive;
    inactive.start();
    QTRY_VERIFY(inactive.elapsed() > 50);
    QCOMPARE(zt::TestSeam::DealTime(f), paused);
    f.activateWindow();
    QTRY_VERIFY(zt::TestSeam::DealTime(f) > paused);
}

// As the program starts, the window is made without its pictures, which are
// decoded on another thread and taken when it is first shown; the window
// made with them is drawn whole again when it is uncovered.
void PlayTest::everythingIsDrawn_data() {
    QTest::addColumn<int>("pictures");
    QTest::newRow("uncovered") << int(ReadAtOnce);
    QTest::newRow("handed over late") << int(HandedOverLater);
    QTest::newRow("taken at the first showing") << int(TakenAtTheShowing);
}

void PlayTest::everythingIsDrawn() {
    QFETCH(int, pictures);
    uitest::Game g;
    g.WriteLevels({3, NeverFittingRecord()});
    g.Store().WriteNumber("common", "tongue", 0);
    g.w = zt::CreateGameWindows(g.Dir(), pictures != ReadAtOnce);
    auto& f = g.Form();
    Controls(f).SoundBtn->click(); // off
    Controls(f).Timer->stop(); // the turning car would redraw the marked cell in its own time
    if (pictures != ReadAtOnce) {
        QVERIFY(!f.StartFailed());
        QCOMPARE(zt::TestSeam::Bitmaps(f).Count(), 0);
        // Ticks and drawing calls while hidden find nothing to draw with.
        const QImage before = Controls(f).box->Image();
        f.TimerTimer();
        f.DrawGauge();
        f.DrawCell(0, 0);
        f.UpdateCaption();
        QCOMPARE(Controls(f).box->Image(), before);
        if (pictures == HandedOverLater) {
            f.SetMedia(zt::BeginStartWork());
        }
    }
    g.Show();
    if (pictures == ReadAtOnce) {
        Controls(f).box->Image().fill(Qt::magenta);
        Controls(f).levelbox->Image().fill(Qt::magenta);
        Controls(f).box->repaint(); // as when the window system uncovers it
    }
    const QImage backdrop = Rgb(zt::TestSeam::Bitmaps(f).Item(1).Bitmap);
    QCOMPARE(Controls(f).box->Image().copy(0, 0, 22, 376), backdrop.copy(0, 0, 22, 376));
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 7; ++r) {
            QVERIFY(ShowsTile(g, c, r, g.State().TileAt(c, r))); // the marked one plain
        }
    }
    // Nothing solved: the grey strip over the background's full one.
    QCOMPARE(Controls(f).box->Image().copy(469, 32, 31, 315), backdrop.copy(415, 32, 31, 315));
    QVERIFY(Controls(f).levelbox->Image().pixel(50, 10) != QColor(Qt::magenta).rgb());
}

void FirstStartTest::startUpErrorsStandCentredWithTheIcon() {
    // A missing level file is reported before the main window is shown.
    uitest::Game g;
    QStringList texts;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            return;
        }
        texts << box->text();
        const QRect outer = box->frameGeometry();
        const QRect screen = box->screen()->geometry();
        QCOMPARE(outer.topLeft(), QPoint((screen.width() - outer.width()) / 2,
                                         (screen.height() - outer.height()) / 2));
        QVERIFY(!box->windowIcon().isNull());
        box->close();
    });
    watch.start(5);
    g.w = zt::CreateGameWindows(g.Dir(), true);
    watch.stop();
    QCOMPARE(texts.size(), 1);
    QVERIFY(texts[0].startsWith("The level file " + g.Dir() + "ztrn.dat is missing"));
}

void FirstStartTest::levelReportsAreWordedInTheLanguage_data() {
    QTest::addColumn<bool>("german");
    QTest::addColumn<int>("fault"); // -1: a damaged level
    QTest::addColumn<QString>("text");
    const QString path = QString::fromUtf8("/spiele/zt\u00fcrn/ztrn.dat");
    QTest::newRow("damaged") << false << -1
        << "Level 2 is damaged: the cell at column and row 7, 3 holds the tile number 250, which "
           "does not exist. Such cells are shown as grass; the level may not be solvable.";
    QTest::newRow("beschädigt") << true << -1
        << QString::fromUtf8("Stufe 2 ist beschädigt: Das Feld in Spalte und Zeile 7, 3 enthält "
                             "die Plättchennummer 250, die es nicht gibt. Solche Felder werden als "
                             "Wiese gezeigt; die Stufe ist vielleicht nicht lösbar.");
    QTest::newRow("missing") << false << int(zt::LevelFileFault::Missing)
        << "The level file " + path + " is missing or cannot be opened. Without it there is "
                                      "nothing to play.";
    QTest::newRow("fehlt") << true << int(zt::LevelFileFault::Missing)
        << QString::fromUtf8("Die Stufendatei ") + path +
               QString::fromUtf8(" fehlt oder lässt sich nicht öffnen. Ohne sie gibt es nichts zu spielen.");
    QTest::newRow("short") << false << int(zt::LevelFileFault::NoCompleteLevel)
        << "The level file " + path + " holds no complete level. Without it there is nothing to play.";
    QTest::newRow("kurz") << true << int(zt::LevelFileFault::NoCompleteLevel)
        << QString::fromUtf8("Die Stufendatei ") + path +
               QString::fromUtf8(" enthält keine vollständige Stufe. Ohne sie gibt es nichts zu spielen.");
    QTest::newRow("read failed") << false << int(zt::LevelFileFault::ReadFailed)
        << QString::fromUtf8("Fileerror 12 with file /spiele/zt\u00fcrn/ZTRN.DAT.");
    QTest::newRow("Lesefehler") << true << int(zt::LevelFileFault::ReadFailed)
        << QString::fromUtf8("Dateifehler 12 bei Datei /spiele/zt\u00fcrn/ZTRN.DAT.");
}

void FirstStartTest::levelReportsAreWordedInTheLanguage() {
    QFETCH(bool, german);
    QFETCH(int, fault);
    QFETCH(QString, text);
    const QString path = QString::fromUtf8("/spiele/zt\u00fcrn/ztrn.dat");
    // Worded in the language the game speaks, from its catalogue.
    zt::SpeakLanguage(german ? zt::Language::German : zt::Language::English);
    const QString worded = fault < 0 ? zt::LevelDamagedText(2, {6, 2}, 250)
                                     : zt::LevelFileText(zt::LevelFileFault(fault), path, 12);
    zt::SpeakLanguage(zt::Language::English);
    QCOMPARE(worded, text);
}

void PlayTest::damagedPicturesFoundLateEndTheRunWithAMessage() {
    uitest::Game g;
    g.WriteLevels({3, NeverFittingRecord()});
    g.Store().WriteNumber("common", "tongue", 0);
    g.w = zt::CreateGameWindows(g.Dir(), true);
    auto& f = g.Form();
    std::promise<zt::GameMedia> damaged;
    zt::GameMedia media;
    media.error = "record 2: bad block";
    damaged.set_value(std::move(media));
    f.SetMedia(damaged.get_future());
    QSignalSpy aborted(&f, &zt::TMainForm::StartAborted);

    QString message;
    WhenModal([&](QWidget* box) {
        if (auto* m = qobject_cast<QMessageBox*>(box)) {
            message = m->text();
        }
        box->close();
    });
    f.show();
    QTRY_VERIFY(!message.isEmpty());
    QCOMPARE(message, QStringLiteral("The game's pictures and sounds are damaged (record 2: bad "
                                     "block). Program aborted."));
    QVERIFY(f.StartFailed());
    QCOMPARE(aborted.count(), 1);
    // Nothing is drawn and nothing is saved on the way out.
    f.TimerTimer();
    f.close();
    QVERIFY(!QFile::exists(g.Dir() + "noname.ztn"));
}

// Which answer asks again and what a new game clears is the engine's;
// the window shows the progress gone and the selector back at the start.
void NavigationTest::newGameClearsTheProgress() {
    uitest::Game g;
    g.Start(3, NeverFittingRecord());
    auto& f = g.Form();
    zt::GameTestAccess t{g.State()};
    t.solvedFlags()[0] = t.solvedFlags()[2] = 1;
    Controls(f).levelscroll->setValue(2);
    Answer({"Btn0401"});
    Controls(f).NewGameBtn->click();
    QCOMPARE(Controls(f).levelscroll->value(), 1);
    const QImage backdrop = Rgb(zt::TestSeam::Bitmaps(f).Item(1).Bitmap);
    QCOMPARE(Controls(f).box->Image().copy(469, 32, 31, 315), backdrop.copy(415, 32, 31, 315));
}

// Which levels are skipped is the engine's; the buttons go each its own way.
void NavigationTest::nextAndPreviousGoTheirOwnWays() {
    uitest::Game g;
    g.Start(5, NeverFittingRecord());
    auto& f = g.Form();
    Controls(f).levelscroll->setValue(3);
    Controls(f).sUpBtn->click();
    QCOMPARE(Controls(f).levelscroll->value(), 4);
    Controls(f).sDownBtn->click();
    QCOMPARE(Controls(f).levelscroll->value(), 3);
}

void NavigationTest::troughClicksPageToTheEnds() {
    uitest::Game g;
    g.Start(500, NeverFittingRecord());
    g.Show();
    auto& f = g.Form();
    auto& s = g.State();
    Controls(f).levelscroll->setValue(495);
    Controls(f).levelscroll->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(s.currentLevel(), 500);
    QCOMPARE(g.Form().windowTitle(), QStringLiteral("Zorbly Tarnel V2.2 - Game noname.ztn"));
    Controls(f).levelscroll->setValue(3);
    Controls(f).levelscroll->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(s.currentLevel(), 1);
    // The keyboard reaches the selector from the start.
    QCOMPARE(f.focusWidget(), static_cast<QWidget*>(Controls(f).levelscroll));
    QTest::keyClick(f.focusWidget(), Qt::Key_Right);
    QCOMPARE(s.currentLevel(), 2);
    QTest::keyClick(f.focusWidget(), Qt::Key_PageDown);
    QCOMPARE(s.currentLevel(), 12);
    QTest::keyClick(f.focusWidget(), Qt::Key_Left);
    QCOMPARE(s.currentLevel(), 11);
    // Up and Down as on any desktop scroll bar: up is back.
    QTest::keyClick(f.focusWidget(), Qt::Key_Up);
    QCOMPARE(s.currentLevel(), 10);
    QTest::keyClick(f.focusWidget(), Qt::Key_Down);
    QCOMPARE(s.currentLevel(), 11);
    QVERIFY(s.SwapsStanding() == 0);
}

void NavigationTest::languageButtonRenewsEveryText() {
    uitest::Game g;
    g.Start(5, NeverFittingRecord(), 0);
    auto& f = g.Form();
    Answer({"GermanBtn"});
    Controls(f).TongueBtn->click();
    QCOMPARE(g.State().language(), zt::Language::German);
    QCOMPARE(Controls(f).sUpBtn->toolTip(), QStringLiteral("nächsthöhere ungelöste Stufe"));
    QCOMPARE(Controls(f).TongueBtn->toolTip(), QStringLiteral("I don't speak german."));
    QCOMPARE(Controls(f).levellabel->text(), QStringLiteral("Stufe:"));
    QCOMPARE(f.windowTitle(), QStringLiteral("Zorbly Tarnel V2.2 - Spiel noname.ztn"));
    QCOMPARE(Controls(f).levelbox->toolTip(), QStringLiteral("Stufe 1: ungelöst"));
    Answer({"EnglishBtn"});
    Controls(f).TongueBtn->click();
    QCOMPARE(Controls(f).TongueBtn->toolTip(), QStringLiteral("Ich spreche nicht englisch."));
    QCOMPARE(Controls(f).InfoBtn->toolTip(), QStringLiteral("Who did these ZORBLY GAME?"));
}

void ClosingTest::answeredNoKeepsPlaying() {
    uitest::Game g;
    g.Start(3, NeverFittingRecord());
    g.Show();
    QSignalSpy closed(&g.Form(), &zt::TMainForm::Closed);
    for (const char* answer : {"Btn0302", "close"}) {
        Answer({answer});
        g.Form().close();
        QVERIFY(g.Form().isVisible());
    }
    QCOMPARE(closed.count(), 0);
    QCOMPARE(g.Store().ReadNumber("common", "level", -99), -99);
    QCOMPARE(g.Store().ReadText("common", "save", "none"), QStringLiteral("none"));
}

void ClosingTest::answeredYesWritesTheSettingsEvenWhenSaveIsCancelled() {
    uitest::Game g;
    g.Start(20, NeverFittingRecord(), 1);
    g.Show();
    auto& f = g.Form();
    Controls(f).levelscroll->setValue(17);
    Controls(f).RulesBtn->click();
    QVERIFY(zt::TestSeam::Help(f) && zt::TestSeam::Help(f)->isVisible());
    QSignalSpy closed(&f, &zt::TMainForm::Closed);
    bool saveOffered = false;
    WhenModal([&](QWidget* endgame) {
        uitest::PageButton(endgame, 3, 1)->click();
        WhenModal([&](QWidget* save) {
            saveOffered = save != g.w.YesNoDlg;
            save->close();
        });
    });
    Controls(f).ExitBtn->click();
    QCOMPARE(closed.count(), 1);
    QVERIFY(saveOffered);
    QVERIFY(!f.isVisible());
    QVERIFY(!zt::TestSeam::Help(f)->isVisible());
    auto store = g.Store();
    QCOMPARE(store.ReadFlag("common", "sound", true), false);
    QCOMPARE(store.ReadNumber("common", "level", 0), 17);
    QCOMPARE(store.ReadNumber("common", "tongue", 0), 1);
    QCOMPARE(store.ReadText("common", "save", ""), g.Dir() + "noname.ztn");
    QVERIFY(!QFile::exists(g.Dir() + "noname.ztn"));
    // The position is remembered when the window goes.
    g.w.MainForm.reset();
    QVERIFY(store.ReadText("common", "MainForm", "").startsWith("200,"));
}

// Leaving the save dialog with a level solved that the file does not hold:
// only yes to the question ends the game; staying changes nothing.
void ClosingTest::unsavedSolvesAreAskedForWhenSaveIsCancelled() {
    uitest::Game g;
    g.Start(3, NeverFittingRecord());
    g.Show();
    auto& f = g.Form();
    zt::GameTestAccess{g.State()}.solvedFlags()[1] = 1;
    Controls(f).RulesBtn->click();
    for (const QString answer : {"&Nein", "close", "&Ja"}) {
        Answer({"Btn0301", "close", answer});
        Controls(f).ExitBtn->click();
        QCOMPARE(f.isVisible(), answer != "&Ja");
        QCOMPARE(zt::TestSeam::Help(f)->isVisible(), answer != "&Ja");
        QCOMPARE(g.Store().ReadNumber("common", "level", -99), answer == "&Ja" ? 1 : -99);
    }
    QVERIFY(!QFile::exists(g.Dir() + "noname.ztn"));
}
