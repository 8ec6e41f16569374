// Random play: thousands of clicks and keys on the board, the tool bar and
// every dialog that comes up, with random answers, for a bounded time. The
// game must never crash, and what it leaves on disk must stay well-formed.
#include <QDirIterator>
#include <QElapsedTimer>
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
    QRandomGenerator random_{20261207};
    int actions_ = 0;
    int starts_ = 0;

    int Below(int n) { return int(random_.bounded(n)); }

    void Act(Session& game) {
        ++actions_;
        auto windows = VisibleWindows(game.Pid());
        Window main, dialog;
        for (const auto& w : windows) {
            (w.rect.width() == 520 ? main : dialog) = w;
        }
        if (dialog.valid()) {
            bool fileDialog = dialog.rect.width() > 330;
            int what = Below(10);
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
            Pause(50);
            return;
        }
        int what = Below(20);
        if (what < 13) {
            ClickIn(main, Below(520), main.rect.height() - 376 + Below(376));  // the board area
        } else if (what < 18) {
            // The tool bar, but not the web button: it would start a browser.
            ClickIn(main, Below(482), Below(main.rect.height() - 376));
        } else {
            static const char* keys[] = {"Left", "Right", "Prior", "Next", "Home", "End", "Return"};
            Key(keys[Below(7)]);
        }
    }

private slots:
    void initTestCase() {
        const QString failed = InstallGame(programDir_.path());
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }

    void thousandsOfRandomActions() {
        int seconds = qEnvironmentVariableIntValue("ZTRN_RANDOM_PLAY_SECONDS");
        QElapsedTimer clock;
        clock.start();
        std::unique_ptr<Session> game;
        seconds = seconds > 0 ? seconds : 90;
        while (clock.elapsed() < 1000LL * seconds) {
            if (!game || !game->Running()) {
                if (game) {
                    game->WaitForExit(5000);
                    QVERIFY2(!game->Output().contains("Sanitizer"), qPrintable(game->Output()));
                }
                game = std::make_unique<Session>(programDir_.path(), configDir_.path());
                QVERIFY(game->Start());
                ++starts_;
                Pause(500);
            }
            Act(*game);
        }
        // End in order: close, answer yes, cancel the save dialog. Other
        // dialogs are closed first; the rules window may stay open.
        for (int i = 0; i < 40 && game->Running(); ++i) {
            Window main, message, other;
            for (const auto& w : VisibleWindows(game->Pid())) {
                if (w.rect.width() == 520) {
                    main = w;
                } else if (w.rect.size() == QSize(261, 103)) {
                    message = w;
                } else if (w.rect.size() != QSize(560, 480)) {
                    other = w;
                }
            }
            if (message.valid()) {
                Key("Return");  // yes, or OK
            } else if (other.valid()) {
                Key("Escape");
            } else if (main.valid()) {
                ClickIn(main, 156, 16);  // the exit button
            }
            Pause(400);
        }
        QVERIFY(game->WaitForExit(10000));
        QVERIFY2(!game->Output().contains("Sanitizer"), qPrintable(game->Output()));
        qInfo("%d actions over %d starts", actions_, starts_);
        QVERIFY(actions_ > 4 * seconds);
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
