// Random play: hundreds of clicks and keys on the board, the tool bar and
// every dialog that comes up, with random answers. The game must never crash,
// and what it leaves on disk must stay well-formed.
//
// A run is one seed: it is printed at the start and named by a failure, and
// ZTRN_SEED=<seed> plays the same choices again. ZTRN_RANDOM_ACTIONS sets
// how many actions a run plays.
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "session.h"

using namespace e2e;

class RandomPlay : public QObject {
    Q_OBJECT

    QTemporaryDir programDir_;
    QTemporaryDir configDir_;
    quint32 seed_ = 0;
    QRandomGenerator random_;
    int actions_ = 0;
    int starts_ = 0;

    int Below(int n) { return int(random_.bounded(n)); }

    // The main window by its caption and its shape (the rules and the
    // language question share the caption); the game's scale by its width.
    static bool IsMain(const Window& w) {
        return w.name.startsWith("Zorbly Tarnel V") && w.rect.width() >= 520 &&
               qAbs(w.rect.height() * 520 - w.rect.width() * 409) <= 2 * 520;
    }
    static qreal ScaleOf(const QList<Window>& windows) {
        for (const Window& w : windows)
            if (IsMain(w))
                return w.rect.width() / 520.0;
        return 1;
    }

    void Act(Session& game) {
        ++actions_;
        auto windows = VisibleWindows(game.Pid());
        Window main, dialog;
        for (const auto& w : windows) {
            (IsMain(w) ? main : dialog) = w;
        }
        if (dialog.valid()) {
            bool fileDialog = dialog.rect.width() > 330;
            int what = Below(10);
            // Keys go to the dialog they are meant for, so that a seed
            // plays the same game again.
            if (what < 4 || fileDialog) {
                Focus(dialog);
            }
            if (fileDialog && what < 2) {
                // Now and then a real name, in our own folder only.
                Key("ctrl+a");
                Type(programDir_.filePath(QString("random%1.ztn").arg(Below(3))));
                Key("Return");
            } else if (fileDialog || what < 4) {
                Key(what % 2 ? "Escape" : "Return");
            } else {
                ClickIn(dialog, Below(dialog.rect.width()), Below(dialog.rect.height()));
            }
            return;
        }
        if (!main.valid()) {
            // Between the start and the main window, or on the way out.
            WaitFor([&] { return !game.Running() || !VisibleWindows(game.Pid()).isEmpty(); },
                    5000);
            return;
        }
        // The rim's zoom buttons make the window larger or smaller.
        const qreal s = main.rect.width() / 520.0;
        const int board = qRound(376 * s);
        int what = Below(20);
        if (what < 13) {
            ClickIn(main, Below(main.rect.width()), main.rect.height() - board + Below(board));
        } else if (what < 18) {
            // The tool bar, but not the web button: it would start a browser.
            ClickIn(main, Below(qRound(482 * s)), Below(main.rect.height() - board));
        } else {
            static const char* keys[] = {"Left", "Right", "Prior", "Next", "Home", "End", "Return"};
            Focus(main);
            Key(keys[Below(7)]);
        }
    }

private slots:
    void initTestCase() {
        bool given = false;
        seed_ = qEnvironmentVariable("ZTRN_SEED").toUInt(&given);
        if (!given) {
            seed_ = QRandomGenerator::global()->generate();
        }
        random_.seed(seed_);
        qInfo("random play with seed %u (ZTRN_SEED=%u plays it again)", seed_, seed_);
        const QString failed = InstallGame(programDir_.path());
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }

    void cleanup() {
        if (QTest::currentTestFailed()) {
            qWarning("random play failed with seed %u: ZTRN_SEED=%u plays it again", seed_,
                     seed_);
        }
    }

    void hundredsOfRandomActions() {
        const int wanted = qEnvironmentVariableIntValue("ZTRN_RANDOM_ACTIONS");
        const int actions = wanted > 0 ? wanted : 250;
        std::unique_ptr<Session> game;
        while (actions_ < actions) {
            if (!game || !game->Running()) {
                if (game) {
                    game->WaitForExit(5000);
                    QVERIFY2(!game->Output().contains("Sanitizer"), qPrintable(game->Output()));
                }
                game = std::make_unique<Session>(programDir_.path(), configDir_.path());
                QVERIFY(game->Start());
                ++starts_;
                // Its first window up: the splash, over the main window.
                QVERIFY(WaitForWindow(game->Pid(), [](const Window&) { return true; }, 10000)
                            .valid());
            }
            Act(*game);
        }
        // End in order: close, answer yes, cancel the save dialog. Other
        // dialogs are closed first; the rules window may stay open. Each step
        // waits until what it answered has gone.
        for (int i = 0; i < 40 && game->Running(); ++i) {
            Window main, message, other;
            const QList<Window> before = VisibleWindows(game->Pid());
            const qreal s = ScaleOf(before);
            for (const auto& w : before) {
                if (IsMain(w)) {
                    main = w;
                } else if ((w.rect.size() - QSize(261, 103) * s).width() / 2 == 0 &&
                           (w.rect.size() - QSize(261, 103) * s).height() / 2 == 0) {
                    message = w;
                } else if (w.rect.size() != QSize(560, 480)) {
                    other = w;
                }
            }
            Window answered = message.valid() ? message : other;
            if (answered.valid()) {
                if (Focus(answered)) {
                    // Yes, or J: quit despite solves no file holds (No by default).
                    Key(message.valid() ? "Return" : answered.name == "Warnung" ? "j" : "Escape");
                }
            } else if (main.valid()) {
                ClickIn(main, qRound(156 * s), qRound(16 * s)); // the exit button
            }
            // Until the window set has changed, or the game has gone.
            WaitFor(
                [&] {
                    if (!game->Running()) {
                        return true;
                    }
                    const QList<Window> now = VisibleWindows(game->Pid());
                    if (now.size() != before.size()) {
                        return true;
                    }
                    for (int k = 0; k < now.size(); ++k) {
                        if (now[k].id != before[k].id) {
                            return true;
                        }
                    }
                    return false;
                },
                5000);
        }
        const bool ended = game->WaitForExit(10000);
        QStringList left; // the windows that kept it
        for (const Window& w : VisibleWindows(game->Pid()))
            left << QString("'%1' %2x%3").arg(w.name).arg(w.rect.width()).arg(w.rect.height());
        QVERIFY2(ended, qPrintable("the game did not end; its windows: " + left.join(", ")));
        QVERIFY2(!game->Output().contains("Sanitizer"), qPrintable(game->Output()));
        qInfo("%d actions over %d starts, seed %u", actions_, starts_, seed_);
    }

    void filesStayWellFormed() {
        QDirIterator it(configDir_.path(), {"ZorblyTarnel-V2.ini"}, QDir::Files,
                        QDirIterator::Subdirectories);
        int inis = 0;
        while (it.hasNext()) {
            QSettings s(it.next(), QSettings::IniFormat);
            ++inis;
            bool ok = false;
            int level = s.value("common/level").toString().toInt(&ok);
            QVERIFY(ok && level >= 1 && level <= 500);
            int tongue = s.value("common/tongue").toString().toInt(&ok);
            QVERIFY(ok && tongue >= -1 && tongue <= 1);
            QString sound = s.value("common/sound").toString();
            QVERIFY(sound == "0" || sound == "1");
            QStringList place = s.value("common/MainForm").toStringList();
            if (place.size() == 1) {
                place = place[0].split(',');
            }
            QCOMPARE(place.size(), 7);
            QCOMPARE(place[0], QStringLiteral("200"));
        }
        QCOMPARE(inis, 1);
        QDirIterator saves(programDir_.path(), {"*.ztn"}, QDir::Files);
        while (saves.hasNext()) {
            QFile f(saves.next());
            QCOMPARE(f.size(), qint64(500));
            QVERIFY(f.open(QIODevice::ReadOnly));
            for (char flag : f.readAll()) {
                QVERIFY(flag == 0 || flag == 1);
            }
        }
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    RandomPlay test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_randomplay.moc"
