// Progress files: reading and writing them, and the load and save flows with
// their dialogs and boxes, answered the way a player would.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QProcess>
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
#include "progressflow.h"
#include "records.h"
#include "texts.h"

using namespace zt;

namespace {

void WriteFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray Bytes(const SolvedFlags& flags) {
    return QByteArray((const char*)flags.data(), 500);
}

struct Seen {
    QString kind; // "open", "save", "error", "warning"
    QString caption, text, folder, fileName;
    QStringList buttons;
    QString defaultButton;
};

// Answers the modal dialogs as they come up, one scripted answer each: a path
// typed into a file dialog (empty: cancel), or the text of a box's button.
class Player : public QObject {
public:
    std::deque<QString> answers;
    std::vector<Seen> seen;
    std::function<void()> meanwhile; // done once, while the next dialog is up
    Player() { Look(); }

private:
    void Look() {
        // Due again even while this look waits in a dialog it opened.
        QTimer::singleShot(10, this, &Player::Look);
        QWidget* w = QApplication::activeModalWidget();
        if (!w || w->property("answered").toBool())
            return;
        w->setProperty("answered", true);
        if (meanwhile)
            std::exchange(meanwhile, {})();
        const QString answer = answers.empty() ? QString() : answers.front();
        if (!answers.empty())
            answers.pop_front();
        Seen s;
        s.caption = w->windowTitle();
        if (auto* dialog = qobject_cast<QFileDialog*>(w)) {
            auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
            s.kind = dialog->acceptMode() == QFileDialog::AcceptSave ? "save" : "open";
            s.folder = dialog->directory().absolutePath();
            s.fileName = edit->text();
            s.text = dialog->nameFilters().join('|') + " " + dialog->defaultSuffix() +
                     (dialog->testOption(QFileDialog::DontConfirmOverwrite) ? " noconfirm" : "");
            // Typing replaces whatever the dialog had selected.
            for (auto* view : dialog->findChildren<QAbstractItemView*>())
                view->clearSelection();
            edit->setText(answer);
            QMetaObject::invokeMethod(dialog, answer.isEmpty() ? "reject" : "accept");
        } else if (auto* box = qobject_cast<QMessageBox*>(w)) {
            s.kind = box->icon() == QMessageBox::Critical ? "error" : "warning";
            s.text = box->text();
            for (QAbstractButton* b : box->buttons())
                s.buttons << b->text();
            s.defaultButton = box->defaultButton()->text();
            const auto buttons = box->buttons();
            const auto b = std::find_if(buttons.begin(), buttons.end(),
                                        [&](QAbstractButton* b) { return b->text() == answer; });
            // A box nobody foresaw goes by Escape: the test fails, never waits.
            b != buttons.end() ? (*b)->click() : QTest::keyClick(box, Qt::Key_Escape);
        }
        seen.push_back(s);
    }
};

// A disk that fills while the save is written: a tiny file system where one
// can be mounted (root), else a file-size limit on this process, which stops
// root too.
class FullDisk {
public:
    explicit FullDisk(const QString& folder) : folder_(folder) {
        mounted_ = geteuid() == 0 && QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=4k",
                                                                 "tmpfs", folder}) == 0;
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &limit_);
    }
    void Fill() {
        if (mounted_) {
            QFile filler(folder_ + "/filler");
            filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
            while (filler.write(QByteArray(256, 'f')) == 256) {
            }
        } else {
            rlimit tiny = limit_;
            tiny.rlim_cur = 100;
            setrlimit(RLIMIT_FSIZE, &tiny);
        }
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &limit_);
        if (mounted_)
            QProcess::execute("umount", {folder_});
    }

private:
    QString folder_;
    bool mounted_ = false;
    rlimit limit_{};
};

// A folder that takes no new file while the files in it can still be
// written: a file system without free inodes where one can be mounted
// (root), else a folder without write permission.
class NoNewFiles {
public:
    explicit NoNewFiles(const QString& folder) : folder_(folder) {
        mounted_ = geteuid() == 0 && QProcess::execute("mount", {"-t", "tmpfs", "-o",
                                                                 "size=64k,nr_inodes=2",
                                                                 "tmpfs", folder}) == 0;
    }
    // After the one file that the folder is to hold has been made.
    void Close() {
        if (!mounted_)
            QFile::setPermissions(folder_, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    ~NoNewFiles() {
        if (mounted_)
            QProcess::execute("umount", {folder_});
        else
            QFile::setPermissions(folder_, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ExeOwner);
    }

private:
    QString folder_;
    bool mounted_ = false;
};

} // namespace

// Speaks the game's language, as the window does.
struct SpeakingView : FakeView {
    void LanguageChanged(Language language) override { SpeakLanguage(language); }
};

class ProgressTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir_;
    SpeakingView view_;
    std::unique_ptr<Game> game_;
    QString path_;
    ProgressFlow flow_;
    int captions_ = 0;
    int gauges_ = 0;

    QString Path(const QString& name) const { return dir_->filePath(name); }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QDir(dir_->path()).mkdir("prog");
        game_ = std::make_unique<Game>(view_);
        game_->SetLanguage(Language::English);
        path_ = Path("prog/noname.ztn");
        captions_ = gauges_ = 0;
        flow_ = ProgressFlow{};
        flow_.game = game_.get();
        flow_.progressPath = &path_;
        flow_.programDir = Path("prog/");
        flow_.updateCaption = [this] { ++captions_; };
        flow_.drawGauge = [this] { ++gauges_; };
        flow_.nativeDialogs = false;
    }

    void filesAndNames() {
        SolvedFlags flags;
        flags.fill(7);
        WriteFile(Path("three.ztn"), QByteArray("\1\0\1", 3));
        QCOMPARE(ReadProgressFile(Path("three.ztn"), flags), ProgressRead::Ok);
        QCOMPARE(Bytes(flags).left(4), QByteArray("\1\0\1\7", 4)); // only the leading flags
        QByteArray big(600, '\0');
        for (int i = 0; i < 600; ++i)
            big[i] = char(i % 7);
        WriteFile(Path("big.ztn"), big);
        QCOMPARE(ReadProgressFile(Path("big.ztn"), flags), ProgressRead::Ok);
        QCOMPARE(Bytes(flags), big.left(500));
        // No file or a folder: missing and untouched. A pipe would block a
        // read for ever: refused.
        QVERIFY(mkfifo(QFile::encodeName(Path("pipe.ztn")).constData(), 0600) == 0);
        QCOMPARE(ReadProgressFile(Path("none.ztn"), flags), ProgressRead::Missing);
        QCOMPARE(ReadProgressFile(Path("prog"), flags), ProgressRead::Missing);
        QCOMPARE(ReadProgressFile(Path("pipe.ztn"), flags), ProgressRead::Failed);
        QCOMPARE(Bytes(flags), big.left(500));
        // Writing: exactly 500 bytes, also over a longer file.
        QVERIFY(WriteProgressFile(Path("big.ztn"), flags));
        QCOMPARE(ReadFile(Path("big.ztn")), big.left(500));
        QVERIFY(!WriteProgressFile(Path("prog"), flags));
        QCOMPARE(WithProgressExtension("/d/level5.txt"), QString("/d/level5.ztn"));
        QCOMPARE(WithProgressExtension("/d/a.b.c"), QString("/d/a.b.ztn"));
        QCOMPARE(WithProgressExtension("/d.x/a"), QString("/d.x/a.ztn"));
        QCOMPARE(WithProgressExtension("/d/.hidden"), QString("/d/.ztn"));
    }

    void startUpAndLoading() {
        Player player;
        flow_.StartUpRead(); // no file: no message
        WriteFile(path_, QByteArray("\0\1\1", 3));
        flow_.StartUpRead();
        QCOMPARE(Bytes(game_->solvedFlags()).left(4), QByteArray("\0\1\1\0", 4));
        QVERIFY(player.seen.empty());
        QVERIFY(!flow_.UnsavedSolves());

        GameTestAccess{*game_}.solvedFlags().fill(1);
        QVERIFY(flow_.UnsavedSolves());
        WriteFile(Path("three.ztn"), QByteArray("\1\0\1", 3));
        // Solves the file does not hold: asked first; No and Escape change nothing.
        player.answers = {Path("three.ztn"), "&Nein", Path("three.ztn"), "", Path("three.ztn"),
                          "&Ja", "", Path("newgame.ztn"), ""};
        for (int i = 0; i < 2; ++i)
            flow_.LoadProgress();
        QCOMPARE(std::pair(Bytes(game_->solvedFlags()), path_),
                 std::pair(QByteArray(500, '\1'), Path("prog/noname.ztn")));
        flow_.LoadProgress();
        QCOMPARE(player.seen[0].kind, QString("open"));
        QCOMPARE(player.seen[0].folder, Path("prog"));
        QCOMPARE(player.seen[0].text, QString("Zorbly Tarnel-Dateien (*.ztn) ztn noconfirm"));
        QCOMPARE(player.seen[3].text + player.seen[3].defaultButton,
                 QString("The levels solved since the last save will be lost. Load anyway?&Nein"));
        QCOMPARE(Bytes(game_->solvedFlags()).left(4), QByteArray("\1\0\1\0", 4)); // cleared first
        QCOMPARE(path_, Path("three.ztn"));
        QCOMPARE(std::pair(captions_, gauges_), std::pair(1, 1));
        QVERIFY(!flow_.UnsavedSolves());
        flow_.LoadProgress(); // cancelled: nothing changes
        QCOMPARE(path_, Path("three.ztn"));
        QCOMPARE(captions_, 1);
        // A name without a file: flags kept, but it is the file from now on,
        // and the next save dialog starts in the program's folder.
        const SolvedFlags before = game_->solvedFlags();
        flow_.LoadProgress();
        QVERIFY(game_->solvedFlags() == before);
        QVERIFY(flow_.UnsavedSolves()); // the new file holds none of them
        QCOMPARE(path_, Path("newgame.ztn"));
        QCOMPARE(std::pair(captions_, gauges_), std::pair(2, 2));
        flow_.SaveProgress();
        QCOMPARE(player.seen.back().folder, Path("prog"));
        // Handed over under the save dialog at quitting: asked once the
        // question after it has been answered; dropped once quitting.
        player.meanwhile = [&] { flow_.LoadHandedOver(Path("three.ztn")); };
        player.answers = {"", "&Nein", "&Ja"};
        flow_.SaveProgress();
        QVERIFY(!flow_.QuitDespiteUnsavedSolves());
        QTRY_COMPARE(path_, Path("three.ztn"));
        QVERIFY(player.seen.end()[-2].text.endsWith("Quit anyway?"));
        QVERIFY(flow_.QuitDespiteUnsavedSolves());
        flow_.LoadHandedOver(Path("newgame.ztn"));
        QCOMPARE(path_, Path("three.ztn"));

        // Unreadable at start-up: the box names the whole path, and why.
        QVERIFY(mkfifo(QFile::encodeName(Path("pipe.ztn")).constData(), 0600) == 0);
        path_ = Path("pipe.ztn");
        player.answers = {"OK"};
        game_->SetLanguage(Language::German);
        flow_.StartUpRead();
        QCOMPARE(player.seen.back().kind, QString("error"));
        QCOMPARE(player.seen.back().caption, QString("Fehler"));
        QCOMPARE(player.seen.back().buttons, QStringList{"OK"});
        QCOMPARE(player.seen.back().text, "Fehler beim Laden des Spiels " + path_ +
                                              "!\nDas ist keine gewöhnliche Datei.");
        // Unreadable on load: the progress in play and its file stay.
        game_->SetLanguage(Language::English);
        path_ = Path("three.ztn");
        GameTestAccess{*game_}.solvedFlags().fill(1);
        const int captions = captions_;
        std::vector<std::pair<QString, QString>> unreadable = {
            {"pipe.ztn", "That is not a regular file."}};
        if (geteuid() != 0) { // root reads every file
            WriteFile(Path("locked.ztn"), QByteArray(500, '\0'));
            QFile::setPermissions(Path("locked.ztn"), QFileDevice::WriteOwner);
            unreadable.push_back({"locked.ztn", "You may not read that file."});
        }
        for (const auto& [name, why] : unreadable) {
            player.answers = {Path(name), "OK"};
            flow_.LoadProgress();
            QCOMPARE(player.seen.back().text,
                     "Error occured while loading file " + Path(name) + "!\n" + why);
            QCOMPARE(Bytes(game_->solvedFlags()), QByteArray(500, '\1'));
            QCOMPARE(path_, Path("three.ztn"));
            QCOMPARE(captions_, captions);
        }
    }

    void savingAndOverwriting() {
        Player player;
        GameTestAccess{*game_}.solvedFlags()[4] = 1;
        player.answers = {"&Nein"};
        QVERIFY(!flow_.QuitDespiteUnsavedSolves());
        QCOMPARE(player.seen[0].text, QString("The levels solved since the last save will be "
                                              "lost. Quit anyway?"));
        QCOMPARE(player.seen[0].defaultButton, QString("&Nein"));
        player.seen.clear();
        WriteFile(Path("level5.ztn"), "old");
        // level5.txt means level5.ztn, which exists: No, then a fresh name.
        player.answers = {Path("level5.txt"), "&Nein", Path("fresh")};
        flow_.SaveProgress();
        QCOMPARE(player.seen.size(), std::size_t(3));
        QCOMPARE(player.seen[1].kind, QString("warning"));
        QCOMPARE(player.seen[1].caption, QString("Warnung"));
        QCOMPARE(player.seen[1].buttons, (QStringList{"&Ja", "&Nein"}));
        QCOMPARE(player.seen[1].text, QString("Game level5.ztn already existing. Overwrite?"));
        QCOMPARE(player.seen[2].fileName, QString("level5.txt")); // back on the name chosen
        QCOMPARE(ReadFile(Path("level5.ztn")), QByteArray("old"));
        QCOMPARE(ReadFile(Path("fresh.ztn")), Bytes(game_->solvedFlags()));
        QCOMPARE(path_, Path("fresh.ztn"));
        QCOMPARE(captions_, 1);
        QVERIFY(flow_.QuitDespiteUnsavedSolves()); // saved: nothing asked
        QCOMPARE(player.seen.size(), std::size_t(3));
        GameTestAccess{*game_}.solvedFlags()[4] = 0; // cleared: nothing to lose
        QVERIFY(!flow_.UnsavedSolves());
        // The current file exists: the dialog starts on it. Yes overwrites.
        game_->SetLanguage(Language::German);
        player.answers = {Path("level5.txt"), "&Ja"};
        flow_.SaveProgress();
        QCOMPARE(player.seen[3].folder, dir_->path());
        QCOMPARE(player.seen[3].fileName, QString("fresh.ztn"));
        QCOMPARE(player.seen[4].text,
                 QString("Spiel level5.ztn existiert bereits. Überschreiben?"));
        QCOMPARE(ReadFile(Path("level5.ztn")), Bytes(game_->solvedFlags()));
        QCOMPARE(path_, Path("level5.ztn"));
        // Closing and cancelling: nothing written, nothing changed.
        GameTestAccess{*game_}.solvedFlags()[5] = 1;
        player.answers = {"", "&Ja"};
        flow_.SaveProgress();
        QCOMPARE(path_, Path("level5.ztn"));
        QCOMPARE(captions_, 2);
        QVERIFY(flow_.QuitDespiteUnsavedSolves());
        QCOMPARE(player.seen.back().text, QString("Die seit dem letzten Speichern gelösten "
                                                  "Stufen gehen verloren. Trotzdem beenden?"));
    }

    void failedSavesKeepTheOldFile() {
        Player player;
        const QString before = path_;
        // A folder that is not there.
        player.answers = {Path("gone/level.txt"), "OK"};
        flow_.SaveProgress();
        QCOMPARE(player.seen.back().kind, QString("error"));
        QCOMPARE(player.seen.back().text,
                 QString("Cannot save game level.ztn. Drive full or not writable."));
        QCOMPARE(path_, before);
        QCOMPARE(captions_, 1);
        // The disk fills while the old file is being replaced.
        QDir(dir_->path()).mkdir("disk");
        FullDisk disk(Path("disk"));
        const QByteArray old(500, '\1');
        WriteFile(Path("disk/keep.ztn"), old);
        disk.Fill();
        game_->SetLanguage(Language::German);
        player.answers = {Path("disk/keep.ztn"), "&Ja", "OK"};
        flow_.SaveProgress();
        // Still no current file: the dialog starts in the program's folder, on
        // the name chosen last.
        QCOMPARE(player.seen[2].folder, Path("prog"));
        QCOMPARE(player.seen[2].fileName, QString("level.txt"));
        QCOMPARE(
            player.seen.back().text,
            QString(
                "Kann Spiel keep.ztn nicht speichern. Datenträger voll oder nicht beschreibbar."));
        QCOMPARE(ReadFile(Path("disk/keep.ztn")), old);
        QCOMPARE(path_, before);
        QCOMPARE(captions_, 2);
        // Nothing half-written is left beside it.
        QVERIFY(QDir(Path("disk")).entryList({"keep*"}, QDir::Files) == QStringList{"keep.ztn"});
    }

    void captionNamesAndStoredPaths() {
        const QChar dots(0x2026);
        QCOMPARE(CaptionFileName("/d/level5.ztn"), QString("level5.ztn"));
        const QString longest(255, 'a');
        QCOMPARE(CaptionFileName("/d/" + longest), longest);
        // Longer names lose their middle; both ends stay readable.
        const QString name = QString(1500, 'a') + QString(1500, 'b');
        QCOMPARE(CaptionFileName("/d/" + name), QString(127, 'a') + dots + QString(127, 'b'));
        QCOMPARE(CaptionFileName("/d/" + longest + 'a'),
                 QString(127, 'a') + dots + QString(127, 'a'));
        QCOMPARE(CaptionFileName(QString(17 << 20, 'n')).size(), 255);
        // A character of two UTF-16 units is never cut in half.
        const QString smiles = QString::fromUtf8("\xF0\x9F\x98\x80").repeated(300);
        const QString shortened = CaptionFileName("/d/" + smiles);
        QVERIFY(shortened.size() <= 255 && shortened.contains(dots));
        QVERIFY(shortened.isValidUtf16());

        // A stored path longer than any the system opens names no file.
        const QString fallback = "/g/noname.ztn";
        const QString path = '/' + QString(4094, 'p');
        QCOMPARE(UsableProgressPath(path, fallback), path);
        QCOMPARE(UsableProgressPath(path + 'p', fallback), fallback);
        // Counted in the bytes the system is given: 2049 umlauts are 4098.
        QCOMPARE(UsableProgressPath('/' + QString(2049, QChar(0xfc)), fallback), fallback);
        QCOMPARE(UsableProgressPath('/' + QString(2047, QChar(0xfc)), fallback),
                 '/' + QString(2047, QChar(0xfc)));
    }

    void savingInPlace() {
        Player player;
        GameTestAccess{*game_}.solvedFlags()[2] = 1;
        const QByteArray flags = Bytes(game_->solvedFlags());
        // A file with a second name stays one file with it.
        WriteFile(Path("linked.ztn"), QByteArray(600, '\7'));
        QVERIFY(link(QFile::encodeName(Path("linked.ztn")).constData(),
                     QFile::encodeName(Path("second.ztn")).constData()) == 0);
        QVERIFY(WriteProgressFile(Path("linked.ztn"), game_->solvedFlags()));
        QCOMPARE(ReadFile(Path("second.ztn")), flags);
        // Replacing keeps who may read the file.
        WriteFile(Path("private.ztn"), "old");
        const auto mine = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        QVERIFY(QFile::setPermissions(Path("private.ztn"), mine));
        QVERIFY(WriteProgressFile(Path("private.ztn"), game_->solvedFlags()));
        QCOMPARE(QFile::permissions(Path("private.ztn")) & ~(QFileDevice::ReadUser |
                                                             QFileDevice::WriteUser),
                 mine);
        QCOMPARE(ReadFile(Path("private.ztn")), flags);

        // A folder that takes no new file: the file it holds is written over.
        QDir(dir_->path()).mkdir("fixed");
        {
            NoNewFiles folder(Path("fixed"));
            WriteFile(Path("fixed/keep.ztn"), QByteArray(700, '\1'));
            folder.Close();
            player.answers = {Path("fixed/keep.ztn"), "&Ja", "OK"};
            flow_.SaveProgress();
            QCOMPARE(player.seen.back().kind, QString("warning")); // the overwrite question only
            QCOMPARE(ReadFile(Path("fixed/keep.ztn")), flags);
            QCOMPARE(path_, Path("fixed/keep.ztn"));
            // A new name there cannot be made: said so, nothing changes.
            player.answers = {Path("fixed/new.ztn"), "OK"};
            flow_.SaveProgress();
            QCOMPARE(player.seen.back().text,
                     QString("Cannot save game new.ztn. Drive full or not writable."));
            QCOMPARE(path_, Path("fixed/keep.ztn"));
        }
    }

    // The records file: what is not a records file of ours is moved out of
    // the way whole, and the records start empty.
    void damagedRecords_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("random bytes") << QByteArray("\x93\xfe\x01{\x00\x7f[", 8);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("folder") << QByteArray("/");
        QTest::newRow("other JSON") << QByteArray(R"({"levels":[]})");
        QTest::newRow("newer") << QByteArray(
            R"({"format":"zorbly-tarnel-records","version":2,"played":0,"levels":[]})");
        QTest::newRow("level 501") << QByteArray(R"({"format":"zorbly-tarnel-records","version":1,)"
            R"("played":0,"levels":[{"level":501,"swaps":1,"hint":1,"ms":1,"hints":false}]})");
        QTest::newRow("twice") << QByteArray(R"({"format":"zorbly-tarnel-records","version":1,)"
            R"("played":5,"levels":[{"level":2,"swaps":1,"hint":1,"ms":1,"hints":false},)"
            R"({"level":2,"swaps":1,"hint":1,"ms":1,"hints":false}]})");
        QTest::newRow("minus") << QByteArray(R"({"format":"zorbly-tarnel-records","version":1,)"
            R"("played":0,"levels":[{"level":2,"swaps":-1,"hint":1,"ms":1,"hints":false}]})");
    }
    void damagedRecords() {
        QFETCH(QByteArray, content);
        const QString path = Path("data/records.json");
        QDir().mkpath(content == "/" ? path : Path("data"));
        if (content != "/")
            WriteFile(path, content);
        WriteFile(path + ".damaged", "older"); // an older one stays
        Records records(path);
        QCOMPARE(records.Open(), Records::Opened::SetAside);
        QCOMPARE(records.SetAsidePath(), path + ".damaged-2");
        QCOMPARE(QFileInfo(path + ".damaged-2").isDir(), content == "/");
        if (content != "/")
            QCOMPARE(ReadFile(path + ".damaged-2"), content);
        QCOMPARE(records.PlayTime(), 0);
        QVERIFY(!records.Best(2) && !records.Best(500));
        // The game goes on: the next record makes a fresh file.
        QVERIFY(records.Note(3, {4, 5, 6, false}) && records.Save());
        QCOMPARE(Records(path).Open(), Records::Opened::Read);
        QCOMPARE(ReadFile(path + ".damaged"), QByteArray("older"));
    }

    // Each level keeps its fewest swaps and shortest time; one solve on one's
    // own puts aside every solve with hints; the file gives back what it was given.
    void recordsKeepTheBest() {
        const QString path = Path("data/records.json");
        Records records(path);
        QCOMPARE(records.Open(), Records::Opened::Fresh);
        QVERIFY(records.Note(7, {20, 12, 9000, true}));
        QVERIFY(records.Note(7, {10, 12, 9500, true}));
        QCOMPARE(*records.Best(7), (Solve{10, 12, 9000, true}));
        QVERIFY(records.Note(7, {30, 14, 60000, false}));
        QVERIFY(!records.Note(7, {5, 14, 100, true}));
        QVERIFY(!records.Note(7, {31, 10, 60001, false}));
        QVERIFY(records.Note(7, {31, 10, 50000, false}));
        QVERIFY(records.Note(7, {14, 14, 70000, false}));
        QVERIFY(!records.Note(7, {14, 20, 80000, false})); // as few swaps: the first stays
        QCOMPARE(*records.Best(7), (Solve{14, 14, 50000, false}));
        QVERIFY(records.Note(500, {3, 2, 1, false}));
        QVERIFY(!records.Note(501, {3, 2, 1, false}) && !records.Note(0, {3, 2, 1, false}));
        QCOMPARE(records.AtHintCountCount(), 1);
        records.AddPlayTime(123456789012);
        QVERIFY(records.Save());
        Records again(path);
        QCOMPARE(again.Open(), Records::Opened::Read);
        QCOMPARE(*again.Best(7), *records.Best(7));
        QCOMPARE(*again.Best(500), (Solve{3, 2, 1, false}));
        QVERIFY(!again.Best(8));
        QCOMPARE(again.PlayTime(), 123456789012);
    }
};

QTEST_MAIN(ProgressTest)
#include "test_persist_progress.moc"
