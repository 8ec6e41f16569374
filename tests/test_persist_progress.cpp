// Progress files: reading and writing them, and the load and save flows with
// their dialogs and boxes, driven the way a player would.
#include <QAbstractItemView>
#include <QApplication>
#include <QItemSelectionModel>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <deque>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "fakeview.h"
#include "progress.h"

using namespace zt;

namespace {

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

void WriteFile(const QString& path, const QByteArray& content)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(content), content.size());
}

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray FlagBytes(const SolvedFlags& flags)
{
    return QByteArray(reinterpret_cast<const char*>(flags.data()), qsizetype(flags.size()));
}

// What a dialog looked like when it came up.
struct Seen {
    QString kind;  // "open", "save", "error", "warning", "other"
    QString caption;
    QString text;
    QString folder;
    QString fileName;
    QStringList buttons;
};

// Answers the modal dialogs as they come up, one scripted answer each: a path
// to type into a file dialog (empty: cancel it), or a button's text.
class Player : public QObject {
public:
    std::deque<QString> answers;
    std::vector<Seen> seen;

    Player()
    {
        timer_.setInterval(10);
        connect(&timer_, &QTimer::timeout, this, &Player::Poll);
        timer_.start();
    }

private:
    void Poll()
    {
        QWidget* w = QApplication::activeModalWidget();
        if (!w)
            return;
        if (w->property("answered").toBool()) {
            // Still up long after its answer: it did not take it. Note it and
            // close it, so that the test fails instead of hanging.
            if (w->property("polls").toInt() > 100) {
                seen.push_back({"stuck", w->windowTitle(), {}, {}, {}, {}});
                w->close();
            }
            w->setProperty("polls", w->property("polls").toInt() + 1);
            return;
        }
        w->setProperty("answered", true);
        Seen s;
        s.caption = w->windowTitle();
        const QString answer = answers.empty() ? QString() : answers.front();
        if (!answers.empty())
            answers.pop_front();
        if (auto* dialog = qobject_cast<QFileDialog*>(w)) {
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            s.kind = dialog->acceptMode() == QFileDialog::AcceptSave ? "save" : "open";
            s.folder = QDir::cleanPath(dialog->directory().absolutePath());
            s.fileName = edit ? edit->text() : QString();
            s.text = dialog->nameFilters().join('|') + " " + dialog->defaultSuffix() +
                     (dialog->testOption(QFileDialog::DontConfirmOverwrite) ? " noconfirm" : "");
            if (answer.isEmpty() || !edit) {
                dialog->reject();
            } else {
                // Typing replaces whatever the dialog had selected.
                for (auto* view : dialog->findChildren<QAbstractItemView*>())
                    if (view->selectionModel())
                        view->selectionModel()->clearSelection();
                edit->setText(answer);
                QMetaObject::invokeMethod(dialog, "accept");
            }
        } else if (auto* box = qobject_cast<QMessageBox*>(w)) {
            s.kind = box->icon() == QMessageBox::Critical  ? "error"
                     : box->icon() == QMessageBox::Warning ? "warning"
                                                           : "other";
            s.text = box->text();
            QAbstractButton* chosen = nullptr;
            for (QAbstractButton* b : box->buttons()) {
                s.buttons << b->text();
                if (b->text() == answer)
                    chosen = b;
            }
            if (chosen)
                chosen->click();
            else
                box->reject();
        } else {
            s.kind = "other";
            w->close();
        }
        seen.push_back(s);
    }

    QTimer timer_;
};

// While alive, this process cannot write files beyond a few bytes, as if the
// disk were full (and root is no exception).
class TinyFileLimit {
public:
    TinyFileLimit()
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit tiny = old_;
        tiny.rlim_cur = 100;
        setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~TinyFileLimit() { setrlimit(RLIMIT_FSIZE, &old_); }

private:
    rlimit old_{};
};

// A tiny file system of its own, where root can be refused too. Needs root.
class TinyDisk {
public:
    explicit TinyDisk(const QString& where) : where_(where)
    {
        QDir().mkpath(where);
        mounted_ = geteuid() == 0 &&
                   QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=4k", "tmpfs", where}) == 0;
    }
    ~TinyDisk()
    {
        if (mounted_)
            QProcess::execute("umount", {where_});
    }
    bool Mounted() const { return mounted_; }
    bool MakeReadOnly()
    {
        return QProcess::execute("mount", {"-o", "remount,ro", where_}) == 0;
    }

private:
    QString where_;
    bool mounted_ = false;
};

}  // namespace

class ProgressTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir_;
    FakeView view_;
    std::unique_ptr<Game> game_;
    QString progressPath_;
    ProgressFlow flow_;
    int captions_ = 0;
    int gauges_ = 0;

    QString Path(const QString& name) const { return dir_->filePath(name); }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QDir(dir_->path()).mkdir("prog");
        game_ = std::make_unique<Game>(view_);
        game_->language = 0;
        progressPath_ = Path("prog/noname.ztn");
        captions_ = gauges_ = 0;
        flow_ = ProgressFlow{};
        flow_.game = game_.get();
        flow_.progressPath = &progressPath_;
        flow_.programDir = Path("prog/");
        flow_.updateCaption = [this] { ++captions_; };
        flow_.drawGauge = [this] { ++gauges_; };
        flow_.nativeDialogs = false;
    }

    void readingFiles()
    {
        SolvedFlags flags{};
        flags.fill(7);
        // Short file: only its leading flags.
        WriteFile(Path("three.ztn"), Bytes({1, 0, 1}));
        QCOMPARE(ReadProgressFile(Path("three.ztn"), flags), ProgressRead::Ok);
        QCOMPARE(FlagBytes(flags).left(4), Bytes({1, 0, 1, 7}));

        // Long file: the first 500 bytes, the rest ignored.
        QByteArray big(600, char(0));
        for (int i = 0; i < 600; ++i)
            big[i] = char(i % 3 == 0 ? 0 : 200 + i % 50);
        WriteFile(Path("big.ztn"), big);
        QCOMPARE(ReadProgressFile(Path("big.ztn"), flags), ProgressRead::Ok);
        QCOMPARE(FlagBytes(flags), big.left(500));

        // No file, or a folder: missing, flags untouched.
        flags.fill(3);
        QCOMPARE(ReadProgressFile(Path("none.ztn"), flags), ProgressRead::Missing);
        QCOMPARE(ReadProgressFile(Path("prog"), flags), ProgressRead::Missing);
        QCOMPARE(ReadProgressFile(QString(), flags), ProgressRead::Missing);
        QVERIFY(!ProgressFileExists(Path("prog")));
        QVERIFY(ProgressFileExists(Path("big.ztn")));

        // A pipe would block a plain read for ever: refused, not waited on.
        QVERIFY(mkfifo(QFile::encodeName(Path("pipe.ztn")).constData(), 0600) == 0);
        QVERIFY(ProgressFileExists(Path("pipe.ztn")));
        QCOMPARE(ReadProgressFile(Path("pipe.ztn"), flags), ProgressRead::Failed);
        QCOMPARE(FlagBytes(flags), QByteArray(500, char(3)));
    }

    void writingFiles()
    {
        SolvedFlags flags{};
        flags[0] = 1;
        flags[499] = 1;
        QVERIFY(WriteProgressFile(Path("a.ztn"), flags));
        QCOMPARE(ReadFile(Path("a.ztn")), FlagBytes(flags));
        // Replacing a longer file leaves exactly 500 bytes.
        WriteFile(Path("b.ztn"), QByteArray(900, 'x'));
        QVERIFY(WriteProgressFile(Path("b.ztn"), flags));
        QCOMPARE(ReadFile(Path("b.ztn")), FlagBytes(flags));
        // Nowhere to write.
        QVERIFY(!WriteProgressFile(Path("missing/folder/c.ztn"), flags));
        QVERIFY(!WriteProgressFile(Path("prog"), flags));
        QVERIFY(QFileInfo(Path("prog")).isDir());
    }

    void extensionRule_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("name");
        QTest::newRow("txt") << "/d/level5.txt" << "/d/level5.ztn";
        QTest::newRow("two dots") << "/d/a.b.c" << "/d/a.b.ztn";
        QTest::newRow("none") << "/d/a" << "/d/a.ztn";
        QTest::newRow("already") << "/d/a.ztn" << "/d/a.ztn";
        QTest::newRow("dot in folder") << "/d.x/a" << "/d.x/a.ztn";
        QTest::newRow("trailing dot") << "/d/a." << "/d/a.ztn";
    }

    void extensionRule()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, name);
        QCOMPARE(WithProgressExtension(chosen), name);
    }

    void failedSaveKeepsTheOldFile()
    {
        SolvedFlags old{};
        old.fill(1);
        SolvedFlags fresh{};
        WriteFile(Path("keep.ztn"), FlagBytes(old));
        {
            TinyFileLimit full;
            QVERIFY(!WriteProgressFile(Path("keep.ztn"), fresh));
        }
        QCOMPARE(ReadFile(Path("keep.ztn")), FlagBytes(old));
        // Nothing half-written is left beside it.
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{"keep.ztn"});
    }

    void failedSaveOnAFullDisk()
    {
        TinyDisk disk(Path("disk"));
        if (!disk.Mounted())
            QSKIP("cannot mount a small file system here (needs root)");
        SolvedFlags old{};
        old.fill(1);
        WriteFile(Path("disk/keep.ztn"), FlagBytes(old));
        {
            // Fill the disk to the last byte.
            QFile filler(Path("disk/filler"));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(256, 'f');
            while (filler.write(block) == block.size()) {
            }
        }
        SolvedFlags fresh{};
        QVERIFY(!WriteProgressFile(Path("disk/keep.ztn"), fresh));
        QCOMPARE(ReadFile(Path("disk/keep.ztn")), FlagBytes(old));
        QVERIFY(!WriteProgressFile(Path("disk/other.ztn"), fresh));
        QVERIFY(!QFile::exists(Path("disk/other.ztn")));
        // A folder that cannot be written at all.
        QFile::remove(Path("disk/filler"));
        QVERIFY(disk.MakeReadOnly());
        QVERIFY(!WriteProgressFile(Path("disk/other.ztn"), fresh));
        QCOMPARE(ReadFile(Path("disk/keep.ztn")), FlagBytes(old));
    }

    void startUpRead()
    {
        Player player;
        // No file: nothing, no message.
        flow_.StartUpRead();
        QCOMPARE(FlagBytes(game_->solvedFlags), QByteArray(500, char(0)));
        WriteFile(progressPath_, Bytes({1, 0, 1}));
        flow_.StartUpRead();
        QCOMPARE(FlagBytes(game_->solvedFlags).left(4), Bytes({1, 0, 1, 0}));
        QVERIFY(player.seen.empty());
        // Unreadable: the load-failure box with the whole path, and on.
        QFile::remove(progressPath_);
        QVERIFY(mkfifo(QFile::encodeName(progressPath_).constData(), 0600) == 0);
        game_->language = 1;
        flow_.StartUpRead();
        QCOMPARE(player.seen.size(), std::size_t(1));
        QCOMPARE(player.seen[0].kind, QString("error"));
        QCOMPARE(player.seen[0].caption, QString("Fehler"));
        QCOMPARE(player.seen[0].buttons, QStringList{"OK"});
        QCOMPARE(player.seen[0].text, "Fehler beim Laden des Spiels " + progressPath_ + "!");
    }

    void loading()
    {
        Player player;
        game_->solvedFlags.fill(1);
        WriteFile(Path("three.ztn"), Bytes({1, 0, 1}));
        player.answers = {Path("three.ztn")};
        flow_.LoadProgress();
        QCOMPARE(player.seen.size(), std::size_t(1));
        QCOMPARE(player.seen[0].kind, QString("open"));
        QCOMPARE(player.seen[0].folder, Path("prog"));
        QCOMPARE(player.seen[0].text, QString("Zorbly Tarnel-Dateien (*.ztn) ztn noconfirm"));
        // Cleared, then the three bytes.
        QCOMPARE(FlagBytes(game_->solvedFlags).left(4), Bytes({1, 0, 1, 0}));
        QCOMPARE(game_->solvedFlags[499], 0);
        QCOMPARE(progressPath_, Path("three.ztn"));
        QCOMPARE(captions_, 1);
        QCOMPARE(gauges_, 1);

        // Cancelled: nothing changes.
        player.answers = {QString()};
        flow_.LoadProgress();
        QCOMPARE(progressPath_, Path("three.ztn"));
        QCOMPARE(captions_, 1);

        // A name that does not exist: flags kept, but it becomes the file.
        const SolvedFlags before = game_->solvedFlags;
        player.answers = {Path("newgame.ztn")};
        flow_.LoadProgress();
        QVERIFY(game_->solvedFlags == before);
        QCOMPARE(progressPath_, Path("newgame.ztn"));
        QCOMPARE(captions_, 2);
        QCOMPARE(gauges_, 2);
        // ... and the next save dialog starts in the program's folder.
        player.answers = {QString()};
        flow_.SaveProgress();
        QCOMPARE(player.seen.back().kind, QString("save"));
        QCOMPARE(player.seen.back().folder, Path("prog"));

        // Unreadable: the failure box names the chosen path, which still
        // becomes the file.
        QVERIFY(mkfifo(QFile::encodeName(Path("pipe.ztn")).constData(), 0600) == 0);
        player.answers = {Path("pipe.ztn"), "OK"};
        flow_.LoadProgress();
        QCOMPARE(player.seen.back().kind, QString("error"));
        QCOMPARE(player.seen.back().text,
                 "Error occured while loading file " + Path("pipe.ztn") + "!");
        QCOMPARE(FlagBytes(game_->solvedFlags), QByteArray(500, char(0)));
        QCOMPARE(progressPath_, Path("pipe.ztn"));
    }

    void savingWithTheOverwriteQuestion()
    {
        Player player;
        game_->solvedFlags[4] = 1;
        WriteFile(Path("level5.ztn"), "old");
        // level5.txt means level5.ztn; it exists: No, then a fresh name.
        player.answers = {Path("level5.txt"), "&Nein", Path("fresh")};
        flow_.SaveProgress();
        QCOMPARE(player.seen.size(), std::size_t(3));
        QCOMPARE(player.seen[0].folder, Path("prog"));
        QCOMPARE(player.seen[0].fileName, QString());
        QCOMPARE(player.seen[1].kind, QString("warning"));
        QCOMPARE(player.seen[1].caption, QString("Warnung"));
        QCOMPARE(player.seen[1].buttons, (QStringList{"&Ja", "&Nein"}));
        QCOMPARE(player.seen[1].text, QString("Game level5.ztn already existing. Overwrite?"));
        // Back in the dialog, on the name chosen last.
        QCOMPARE(player.seen[2].kind, QString("save"));
        QCOMPARE(player.seen[2].fileName, QString("level5.txt"));
        QCOMPARE(ReadFile(Path("level5.ztn")), QByteArray("old"));
        QCOMPARE(ReadFile(Path("fresh.ztn")), FlagBytes(game_->solvedFlags));
        QCOMPARE(progressPath_, Path("fresh.ztn"));
        QCOMPARE(captions_, 1);

        // The current file exists: the dialog starts on it. Yes overwrites.
        game_->language = 1;
        game_->solvedFlags[5] = 1;
        player.answers = {Path("level5.txt"), "&Ja"};
        flow_.SaveProgress();
        QCOMPARE(player.seen[3].folder, QDir::cleanPath(dir_->path()));
        QCOMPARE(player.seen[3].fileName, QString("fresh.ztn"));
        QCOMPARE(player.seen[4].text,
                 QString::fromUtf8("Spiel level5.ztn existiert bereits. Überschreiben?"));
        QCOMPARE(ReadFile(Path("level5.ztn")), FlagBytes(game_->solvedFlags));
        QCOMPARE(progressPath_, Path("level5.ztn"));
        QCOMPARE(captions_, 2);
    }

    void failedSavesKeepPathAndFile()
    {
        Player player;
        const QString before = progressPath_;
        // A folder that is not there: nothing can be created in it.
        player.answers = {Path("gone/level.txt"), "OK"};
        flow_.SaveProgress();
        QCOMPARE(player.seen.back().kind, QString("error"));
        QCOMPARE(player.seen.back().caption, QString("Fehler"));
        QCOMPARE(player.seen.back().text,
                 QString("Cannot save game level.ztn. Drive full or not writable."));
        QCOMPARE(progressPath_, before);
        QCOMPARE(captions_, 1);

        // The disk fills while writing over the old file, answered Yes.
        SolvedFlags old{};
        old.fill(1);
        WriteFile(Path("keep.ztn"), FlagBytes(old));
        game_->language = 1;
        player.answers = {Path("keep.ztn"), "&Ja", "OK"};
        {
            TinyFileLimit full;
            flow_.SaveProgress();
        }
        QCOMPARE(player.seen.back().text,
                 QString::fromUtf8(
                     "Kann Spiel keep.ztn nicht speichern. Datenträger voll oder nicht beschreibbar."));
        QCOMPARE(ReadFile(Path("keep.ztn")), FlagBytes(old));
        QCOMPARE(progressPath_, before);
        QCOMPARE(captions_, 2);
    }

    void cancellingAtClose()
    {
        Player player;
        SolvedFlags old{};
        old.fill(1);
        WriteFile(progressPath_, FlagBytes(old));
        game_->solvedFlags[0] = 1;
        const QString before = progressPath_;
        player.answers = {QString()};
        flow_.SaveProgress();
        QCOMPARE(player.seen.size(), std::size_t(1));
        QCOMPARE(player.seen[0].fileName, QString("noname.ztn"));
        QCOMPARE(progressPath_, before);
        QCOMPARE(ReadFile(before), FlagBytes(old));
        QCOMPARE(captions_, 0);
    }
};

QTEST_MAIN(ProgressTest)
#include "test_persist_progress.moc"
