// The message dialog's pages, answered every way, in every language; the
// small windows around it.
#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include "aboutbox.h"
#include "fakeview.h"
#include "layout.h"
#include "glyphs.h"
#include "catalogue.h"
#include "gametestaccess.h"
#include "levelbrowser.h"
#include "levelmodel.h"
#include "levelpictures.h"
#include "recordkeeper.h"
#include "helpwindow.h"
#include "splash.h"
#include "texts.h"
#include "test_ui.h"
#include "testpaths.h"
#include "uifixture.h"
#include "weblabel.h"
#include "messagedialog.h"

Q_DECLARE_METATYPE(zt::LevelRecord)

using uitest::FittingRecord;
using uitest::WhenModal;
using zt::ModalResult;

namespace {

zt::render::Pictures AssetTiles() {
    const QImage sheet(QString::fromUtf8(zt::testpaths::AssetDir) + "/tilesheet.bmp");
    return zt::render::ExactPictures(sheet.convertToFormat(QImage::Format_RGB32), {}, {}, 1);
}

enum Way { FirstButton, SecondButton, EnterKey, EscapeKey, CloseBox, TabEnter, TabSpace };

void Act(zt::TYesNoDlg* d, int page, Way way) {
    QWidget* focus = d->focusWidget() ? d->focusWidget() : d;
    if (way == TabEnter || way == TabSpace) {
        // The focus frame moves on; the key then goes where the frame is.
        QTest::keyClick(focus, Qt::Key_Tab);
        focus = d->focusWidget() ? d->focusWidget() : d;
        QTest::keyClick(focus, way == TabEnter ? Qt::Key_Return : Qt::Key_Space);
        return;
    }
    switch (way) {
    case FirstButton:
        uitest::PageButton(d, page, 1)->click();
        break;
    case SecondButton:
        uitest::PageButton(d, page, 2)->click();
        break;
    case EnterKey:
        QTest::keyClick(focus, Qt::Key_Return);
        break;
    case EscapeKey:
        QTest::keyClick(focus, Qt::Key_Escape);
        break;
    case CloseBox:
        d->close();
        break;
    case TabEnter:
    case TabSpace:
        break;
    }
}

} // namespace

void DialogTest::everyPageAnswersAsTheCallerExpects_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("result"); // None: the dialog stays open
    const int ok = int(ModalResult::Ok), yes = int(ModalResult::Yes), no = int(ModalResult::No),
              cancel = int(ModalResult::Cancel), open = int(ModalResult::None);
    struct Row {
        int page;
        int first, second, enter, escape, close, tabEnter, tabSpace;
    };
    // Tab, then Enter or Space, answers with the button the focus frame has
    // moved to: on a question the one that says no.
    const Row rows[] = {
        {1, ok, open, ok, open, cancel, ok, ok},
        {2, yes, no, yes, no, no, no, no},
        {3, yes, cancel, yes, cancel, cancel, cancel, cancel},
        {4, yes, no, yes, no, no, no, no},
        {6, ok, open, ok, open, cancel, ok, ok},
    };
    for (const Row& r : rows) {
        const int results[] = {r.first, r.second,   r.enter,   r.escape,
                               r.close, r.tabEnter, r.tabSpace};
        for (int way = FirstButton; way <= TabSpace; ++way) {
            if (way == SecondButton && r.second == open) {
                continue; // a page with one button
            }
            QTest::addRow("page %d, way %d", r.page, way) << r.page << way << results[way];
        }
    }
}

void DialogTest::everyPageAnswersAsTheCallerExpects() {
    QFETCH(int, page);
    QFETCH(int, way);
    QFETCH(int, result);
    QWidget main;
    main.resize(520, 409);
    for (int language : {0, 1, 2}) {
        zt::TYesNoDlg d(&main, [&] { return zt::Language(language); });
        bool stayedOpen = false;
        WhenModal([&](QWidget*) {
            Act(&d, page, Way(way));
            if (d.isVisible()) {
                stayedOpen = true;
                uitest::PageButton(&d, page, 1)->click();
            }
        });
        ModalResult got = d.ShowModal(page);
        if (result == int(ModalResult::None)) {
            QVERIFY(stayedOpen);
        } else {
            QVERIFY(!stayedOpen);
            QCOMPARE(int(got), result);
        }
    }
}

void DialogTest::textsFollowTheLanguageAtEachShowing() {
    QWidget main;
    int language = 1;
    zt::TYesNoDlg d(&main, [&] { return zt::Language(language); });
    // What a page says when it is shown: label, then its buttons.
    auto shown = [&](int page) {
        QString seen;
        WhenModal([&](QWidget*) {
            seen = uitest::PageLabel(&d, page)->text().replace(QLatin1Char('\n'), QLatin1Char(' ')) + "|" +
                   uitest::PageButton(&d, page, 1)->text();
            if (uitest::PageButton(&d, page, 2)) {
                seen += "|" + uitest::PageButton(&d, page, 2)->text();
            }
            uitest::PageButton(&d, page, 1)->click();
        });
        d.ShowModal(page);
        return seen;
    };
    QCOMPARE(shown(3), QStringLiteral("Willst Du wirklich schon aufhören?|Ja|Nein"));
    language = 2; // French only here; the level question stays English
    QCOMPARE(shown(4), QStringLiteral("Veux-tu vraiment abandonner le jeu?|Oui|Non"));
    QCOMPARE(shown(2), QStringLiteral("Do you really want to give up the level?|Oui|Non"));
    language = -1;
    QCOMPARE(shown(3), QStringLiteral("Do you really want to go?|Yes|No"));
}

void DialogTest::everyTextShowsWholeAndBreaksBetweenPhrases() {
    // The words a line may begin with after a break, between phrases.
    // German, French, English: pages 1, 2, 3, 4 and 6.
    const int pages[5] = {1, 2, 3, 4, 6};
    const QStringList lineStarts[3][5] = {
        {{"geschafft!"}, {"wirklich"}, {"schon"}, {"wirklich"}, {"Du", "alle"}},
        {{"tu"}, {"to"}, {"arrêter?"}, {"abandonner"}, {"you"}},
        {{"you"}, {"to"}, {"to"}, {"to"}, {"you"}},
    };
    QWidget main;
    main.resize(520, 409);
    int language = 1;
    zt::TYesNoDlg d(&main, [&] { return zt::Language(language); });
    const int languages[3] = {1, 2, 0};
    for (int column = 0; column < 3; ++column) {
        language = languages[column];
        WhenModal([&](QWidget*) { uitest::PageButton(&d, 1, 1)->click(); });
        d.ShowModal(1); // every page gets its texts at a showing
        for (int n = 0; n < zt::TYesNoDlg::PageCount; ++n) {
            const int page = pages[n];
            const QLabel* label = uitest::PageLabel(&d, page);
            const QString where = QStringLiteral("language %1, page %2: \"%3\"")
                                      .arg(language)
                                      .arg(page)
                                      .arg(label->text());
            const QStringList lines = label->text().split(QLatin1Char('\n'));
            QVERIFY2(!lines[0].isEmpty(), qPrintable(where));
            for (int i = 1; i < lines.size(); ++i) {
                QVERIFY2(lineStarts[column][n].contains(lines[i].section(' ', 0, 0)),
                         qPrintable(where + " breaks inside a phrase"));
            }
            // Measured in the font the label is drawn with, as the platform
            // gives it, descenders included.
            const QFontMetrics fm(label->font());
            const QRect needed =
                fm.boundingRect(label->rect(), int(label->alignment()), label->text());
            QVERIFY2(label->rect().contains(needed), qPrintable(where + " is cut"));
            for (const QString& line : lines) {
                QVERIFY2(fm.horizontalAdvance(line) <= label->width(), qPrintable(where));
            }
            // Inside the bevel, clear of the icon.
            QVERIFY2(QRect(50, 9, 203, 47).contains(label->geometry()), qPrintable(where));
            for (int item = 1; item <= 2; ++item) {
                if (const QPushButton* b = uitest::PageButton(&d, page, item)) {
                    const int glyph = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
                    const int room =
                        b->width() - 2 * b->style()->pixelMetric(QStyle::PM_ButtonMargin);
                    QVERIFY2(QFontMetrics(b->font()).horizontalAdvance(b->text()) + glyph <= room,
                             qPrintable(where + " button " + b->text()));
                }
            }
        }
    }
}

void DialogTest::dialogsStandOverTheMainWindow() {
    // Centred on the main window across, and up and down on its client area
    // reckoned up from the main window's lower edge.
    uitest::Game g;
    g.Start(1, FittingRecord());
    g.Show();
    auto& f = g.Form();
    QRect main, client, about;
    WhenModal([&](QWidget* w) {
        main = f.frameGeometry();
        client = f.geometry();
        about = w->frameGeometry();
        w->close();
    });
    Controls(f).InfoBtn->click();
    QTRY_VERIFY(about.isValid());
    QVERIFY(std::abs(about.center().x() - main.center().x()) <= 1);
    const QRect reckoned(main.left(), main.bottom() + 1 - client.height(), main.width(),
                         client.height());
    QVERIFY(std::abs(about.center().y() - reckoned.center().y()) <= 1);
}

void DialogTest::splashClosesByClickOrTimer() {
    zt::TSplash splash;
    // The timer runs from the moment the window is made.
    QVERIFY(zt::TestSeam::Timer(splash)->isActive());
    QCOMPARE(zt::TestSeam::Timer(splash)->interval(), 3000);
    QCOMPARE(splash.size(), QSize(200, 150));
    splash.Click(); // hidden: nothing happens
    QVERIFY(!splash.isVisible());
    WhenModal([&](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(100, 75)); });
    splash.exec();
    QVERIFY(!splash.isVisible());
    zt::TestSeam::Timer(splash)->start(20);
    splash.exec(); // ends at the next tick by itself
    QVERIFY(!splash.isVisible());
}

void DialogTest::zoomedDialogsTakeTheirLargerArt() {
    // At 200 % the about box shows the icon drawn with twice the pixels as it
    // is, and the question's glyphs come with their 3x art for Qt to pick.
    QWidget main;
    zt::SetWindowScale(2);
    zt::TAboutBox about(&main);
    WhenModal([](QWidget* w) { w->close(); });
    about.exec();
    QCOMPARE(about.size(), QSize(596, 364));
    QImage twice = zt::GlyphImage("icon@2x.bmp").toImage();
    twice.setDevicePixelRatio(1); // as the label shows it, at the dialog's ratio
    const auto labels = about.findChildren<QLabel*>();
    QVERIFY(std::any_of(labels.begin(), labels.end(),
                        [&](QLabel* l) { return l->pixmap().toImage() == twice; }));
    zt::TYesNoDlg d(&main, [] { return zt::Language::English; });
    WhenModal([&](QWidget*) { uitest::PageButton(&d, 3, 2)->click(); });
    d.ShowModal(3);
    zt::SetWindowScale(1);
    QVERIFY(uitest::PageButton(&d, 3, 1)->icon().availableSizes().contains(QSize(54, 54)));
}

void DialogTest::rulesOpenAtTheTopicOfTheLanguage() {
    // Our help file has both topics.
    QFile shipped(QString::fromUtf8(zt::testpaths::SourceDir) + "/assets/ZTRN2.HLP");
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    const QByteArray help = shipped.readAll();
    QVERIFY(help.contains("name=\"Das_Spiel\""));
    QVERIFY(help.contains("name=\"The_game\""));

    uitest::Game g;
    g.Start(1, FittingRecord(), -1);
    QVERIFY(QFile::copy(shipped.fileName(), g.Dir() + "ZTRN2.HLP"));
    auto& f = g.Form();
    Controls(f).RulesBtn->click();
    QCOMPARE(zt::TestSeam::Help(f)->Topic(), QStringLiteral("The_game"));
    QVERIFY(zt::TestSeam::Help(f)->toPlainText().contains("Zorbly Tarnel - The game"));
    g.State().SetLanguage(zt::Language::German);
    Controls(f).RulesBtn->click();
    QCOMPARE(zt::TestSeam::Help(f)->Topic(), QStringLiteral("Das_Spiel"));
    QVERIFY(zt::TestSeam::Help(f)->verticalScrollBar()->value() > 0); // the German part comes second
    // Without the file: the window says so in the current language and names
    // the file; no message box.
    QFile::remove(g.Dir() + "ZTRN2.HLP");
    Controls(f).RulesBtn->click();
    QVERIFY(zt::TestSeam::Help(f)->isVisible());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(zt::TestSeam::Help(f)->toPlainText().contains("Die Spielregeln fehlen: Die Hilfedatei ist nicht da."));
    QVERIFY(zt::TestSeam::Help(f)->toPlainText().contains(g.Dir() + "ZTRN2.HLP"));
    g.State().SetLanguage(zt::Language::English);
    Controls(f).RulesBtn->click();
    QVERIFY(zt::TestSeam::Help(f)->toPlainText().contains("The rules are missing: the help file is not there."));
    // Something that is no file stands in its place: it cannot be read.
    QVERIFY(QDir(g.Dir()).mkdir("ZTRN2.HLP"));
    Controls(f).RulesBtn->click();
    QVERIFY(zt::TestSeam::Help(f)->toPlainText().contains("The help file with the rules cannot be read."));
    zt::TestSeam::Help(f)->close();
}

void DialogTest::failedWebLinkIsNotTriedAgain() {
    uitest::Game g;
    g.Start(1, FittingRecord());
    auto& f = g.Form();
    QStringList opened;
    bool works = true;
    Controls(f).ZGLLabel->opener = [&](const QString& address) {
        opened << address;
        return works;
    };
    Controls(f).ZorblyBtn->click();
    Controls(f).ZorblyBtn->click();
    QCOMPARE(opened, QStringList({zt::ZorblyWebAddress(), zt::ZorblyWebAddress()}));
    works = false;
    Controls(f).ZorblyBtn->click();
    Controls(f).ZorblyBtn->click();
    Controls(f).ZorblyBtn->click();
    QCOMPARE(opened.size(), 3);
    QVERIFY(!QApplication::activeModalWidget());
}

// A level solved with a hint shows with its record; typing a number and
// Enter plays that level, and the solve is in the file for the next start. The
// unsolved-only choice is kept; a hidden level typed shows, and the summary
// says so. Closed, no item stays focused. Zoomed it opens larger; dragged
// larger, its pictures grow.
void DialogTest::levelBrowserShowsRecordsAndPlaysTheLevelTyped() {
    uitest::Game g;
    g.Start(30, FittingRecord());
    g.Show();
    auto& f = g.Form();
    g.OneMoveFromSolved();
    QVERIFY(g.State().Hint());
    const int hintCount = g.State().DealHintCount();
    uitest::Answer({"Btn0101"});
    g.ClickCell(1, 0);
    QTRY_VERIFY(g.State().IsLevelSolved(1));
    const QString seen =
        QStringLiteral("Level 1, solved, difficulty 1 of 5: 1 swap, hint %1, 0:0").arg(hintCount);
    QString text1, text2, shownFirst;
    int shown = 0;
    QSize at100;
    WhenModal([&](QWidget* w) {
        auto* view = w->findChild<QListView*>("levels");
        QCOMPARE(view->currentIndex().row(), 0);
        text1 = view->model()->index(0, 0).data(Qt::AccessibleTextRole).toString();
        text2 = view->model()->index(1, 0).data(Qt::AccessibleTextRole).toString();
        at100 = w->size();
        w->findChild<QCheckBox*>("unsolvedOnly")->setChecked(true);
        shown = view->model()->rowCount();
        shownFirst = view->currentIndex().data().toString();
        QTest::keyClicks(view, "25");
        QTest::keyClick(view, Qt::Key_Return);
    });
    QTest::mouseClick(Controls(f).levelbox, Qt::LeftButton);
    QVERIFY2(text1.startsWith(seen) && text1.endsWith(", with hints"), qPrintable(text1));
    QCOMPARE(text2, QStringLiteral("Level 2, unsolved, difficulty 1 of 5"));
    QCOMPARE(shown, 29);
    QCOMPARE(shownFirst, QStringLiteral("2"));
    QCOMPARE(g.State().currentLevel(), 25);
    QCOMPARE(Controls(f).levelscroll->value(), 25);
    QVERIFY(g.Store().ReadFlag("browser", "unsolved", false));
    // Ctrl+L opens it too; Escape closes it and plays nothing.
    f.SetZoom(200); // or the largest the screen takes
    const qreal larger = 0.8 * f.Zoom() / 100;
    QVERIFY(larger > 1);
    f.activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == &f);
    QString current, summary;
    QSize zoomed;
    int wider = 0, grid = 0;
    WhenModal([&](QWidget* w) {
        auto* view = w->findChild<QListView*>("levels");
        QTest::keyClicks(view, "1");
        current = view->currentIndex().data().toString();
        summary = w->findChild<QLabel*>("summary")->text();
        zoomed = w->size();
        grid = view->gridSize().width();
        w->resize(w->size() * 2);
        QTest::qWaitFor([&] { return (wider = view->gridSize().width()) > grid; });
        QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
    });
    QTest::keyClick(&f, Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(g.State().currentLevel(), 25);
    QCOMPARE(current, QStringLiteral("1"));
    QVERIFY(summary.endsWith("\nLevel 1 is solved: shown as typed, though only unsolved levels "
                             "are listed."));
    QVERIFY(zoomed.width() >= at100.width() * larger && zoomed.height() >= at100.height() * larger);
    QVERIFY(wider > grid);
    auto* list = QAccessible::queryAccessibleInterface(f.findChild<QListView*>("levels"));
    QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Levels"));
    for (int i = 0; i < list->childCount(); ++i)
        QVERIFY(!list->child(i)->state().focused);
    zt::TCKIniCtrl store;
    zt::Records records(zt::Records::DefaultPath());
    QVERIFY(zt::LevelBrowser(g.State(), records, {}, &store, nullptr)
                .findChild<QCheckBox*>("unsolvedOnly")->isChecked());
    QCOMPARE(records.Open(), zt::Records::Opened::Read);
    QCOMPARE(records.Best(1)->hintCount, hintCount);
}

// A picture follows the game in play, not the records (still shown): whole
// when solved, else as dealt, fixed tiles in place, the same at every opening.
void DialogTest::levelPictureFollowsTheProgressInPlay_data() {
    QTest::addColumn<zt::LevelRecord>("record");
    QTest::addColumn<bool>("solvedInPlay");
    QTest::addColumn<bool>("inRecords");
    zt::LevelRecord fixed = FittingRecord();
    fixed[zt::CellIndex(8, 6)] = 179;
    fixed[zt::CellIndex(4, 3)] = 120;
    QTest::newRow("solved in play") << FittingRecord() << true << true;
    QTest::newRow("unsolved, no fixed tiles") << FittingRecord() << false << false;
    QTest::newRow("unsolved, fixed tiles") << fixed << false << false;
    QTest::newRow("solved in the records only") << FittingRecord() << false << true;
}

void DialogTest::levelPictureFollowsTheProgressInPlay() {
    QFETCH(zt::LevelRecord, record);
    QFETCH(bool, solvedInPlay);
    QFETCH(bool, inRecords);
    FakeView view;
    zt::Game game(view);
    game.UseLevels({record});
    zt::GameTestAccess{game}.solvedFlags()[0] = solvedInPlay;
    QTemporaryDir dir;
    zt::Records records(dir.filePath("records.json"));
    if (inRecords)
        records.Note(1, {3, 3, 1000, false});
    zt::LevelListModel model(game, records);
    model.Refresh(false);
    const bool whole = model.index(0).data(zt::LevelListModel::WholeRole).toBool();
    QCOMPARE(whole, solvedInPlay);
    QCOMPARE(model.index(0).data(zt::LevelListModel::RecordRole).toString().isEmpty(), !inRecords);
    zt::LevelPictures pictures, again;
    pictures.SetTiles(AssetTiles());
    again.SetTiles(AssetTiles());
    const QImage shown = pictures.Picture(1, record, whole);
    const QImage level = pictures.Picture(1, record, true);
    QCOMPARE(shown == level, solvedInPlay);
    QCOMPARE(again.Picture(1, record, whole), shown);
    const int side = shown.width() / zt::Columns;
    for (int i = 0; i < zt::CellCount; ++i) {
        const QRect cell(i / zt::Rows * side, i % zt::Rows * side, side, side);
        if (!zt::IsMovable(record[i]))
            QCOMPARE(shown.copy(cell), level.copy(cell));
    }
}

// At a fresh start the first levels' pictures tell them apart; none fits.
void DialogTest::firstLevelsLookApartUnsolved() {
    const auto file = zt::ReadLevelFile(std::string(zt::testpaths::SourceDir) + "/data/ztrn.dat");
    zt::LevelPictures pictures;
    pictures.SetTiles(AssetTiles());
    QList<QImage> seen;
    for (int n = 1; n <= 12; ++n) {
        QVERIFY(!zt::Fits(zt::AsDealt(n, file.records.at(n - 1))));
        QVERIFY(!seen.contains(pictures.Picture(n, file.records.at(n - 1), false)));
        seen << pictures.Picture(n, file.records.at(n - 1), false);
    }
    // Two road ends the only tiles that move: a single shuffle fits every other time.
    zt::LevelRecord two = FittingRecord();
    std::replace(two.begin(), two.end(), std::uint8_t(0), std::uint8_t(179));
    for (int n = 1; n <= 20; ++n)
        QVERIFY(!zt::Fits(zt::AsDealt(n, two)));
}

// The records file of another program: the game says so once, when the
// window is first active, and keeps going.
void DialogTest::damagedRecordsAreToldOnceInTheLanguage() {
    QTemporaryDir dir;
    const QString path = dir.filePath("records.json");
    QFile junk(path);
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("PK\3\4");
    junk.close();
    QWidget window;
    FakeView view;
    zt::Game game(view);
    game.SetLanguage(zt::Language::German);
    zt::SpeakLanguage(zt::Language::German); // as the window does on the change
    zt::RecordKeeper keeper(&window, game, {}, {}, nullptr, path);
    QStringList texts;
    WhenModal([&](QWidget* w) {
        texts << static_cast<QMessageBox*>(w)->text();
        w->close();
    });
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTRY_COMPARE(texts.size(), 1);
    QCOMPARE(texts[0], QStringLiteral("Die Rekorddatei %1 war nicht lesbar. Sie wurde als "
                                      "%1.damaged beiseitegelegt, und die Rekorde beginnen neu.")
                           .arg(path));
    window.activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == &window);
    zt::SpeakLanguage(zt::Language::English);
    QVERIFY(QFile::exists(path + ".damaged"));
}
