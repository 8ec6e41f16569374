#include "session.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <climits>

#include "catalogue.h"
#include "game.h"
#include "testpaths.h"

namespace e2e {

Pictures Pictures::Load(const QString& assetsDir) {
    Pictures p;
    p.tiles = QImage(assetsDir + "/tilesheet.bmp").convertToFormat(QImage::Format_RGB32);
    p.backdrop = QImage(assetsDir + "/backdrop.bmp").convertToFormat(QImage::Format_RGB32);
    p.digits = QImage(assetsDir + "/digits.bmp").convertToFormat(QImage::Format_RGB32);
    return p;
}

QString InstallGame(const QString& programDir) {
    const QString build = QString::fromUtf8(zt::testpaths::BuildDir);
    for (QString f : {"zorbly-tarnel", "ztrn.dat", "ZTRN2.HLP"}) {
        if (!QFile::copy(build + "/" + f, programDir + "/" + f)) {
            return f;
        }
    }
    QFile::setPermissions(programDir + "/zorbly-tarnel",
                          QFile::permissions(build + "/zorbly-tarnel"));
    return {};
}

QString PrepareGame(const QString& programDir, Pictures& pictures, zt::LevelFile& levels) {
    if (const QString failed = InstallGame(programDir); !failed.isEmpty()) {
        return "could not install " + failed;
    }
    pictures = Pictures::Load(QString::fromUtf8(zt::testpaths::SourceDir) + "/assets");
    if (pictures.tiles.isNull() || pictures.backdrop.isNull() || pictures.digits.isNull()) {
        return QStringLiteral("the game's pictures could not be read");
    }
    levels = zt::ReadLevelFile(QDir(programDir).filePath("ztrn.dat").toStdString());
    if (levels.records.size() < 3) {
        return QStringLiteral("the installed level file holds fewer than three levels");
    }
    return {};
}

Session::Session(const QString& programDir, const QString& configDir)
    : programDir_(programDir), configDir_(configDir) {
    process_.setProcessChannelMode(QProcess::MergedChannels);
}

Session::~Session() {
    if (Running()) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

bool Session::Start(const QStringList& arguments) {
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", configDir_);
    env.insert("XDG_DATA_HOME", configDir_ + QStringLiteral("/data"));
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.remove("QT_QPA_PLATFORMTHEME");
    process_.setProcessEnvironment(env);
    process_.setWorkingDirectory(programDir_);
    process_.start(programDir_ + "/zorbly-tarnel", arguments);
    return process_.waitForStarted(5000);
}

bool Session::Running() {
    return process_.state() != QProcess::NotRunning && !process_.waitForFinished(0);
}

bool Session::WaitForExit(int ms) {
    bool done = process_.state() == QProcess::NotRunning || process_.waitForFinished(ms);
    output_ += QString::fromLocal8Bit(process_.readAll());
    return done;
}

QString Session::Output() const {
    return output_;
}

Window Session::Main(int timeoutMs) {
    return WaitForWindow(
        Pid(),
        [](const Window& w) {
            return w.name.startsWith("Zorbly Tarnel V2.2") && w.rect.width() == 520;
        },
        timeoutMs);
}

Window Session::Splash(int timeoutMs) {
    return WaitForWindow(
        Pid(), [](const Window& w) { return w.rect.size() == QSize(200, 150); }, timeoutMs);
}

Window Session::TongueDialog(int timeoutMs) {
    return WaitForWindow(
        Pid(), [](const Window& w) { return w.rect.size() == QSize(320, 91); }, timeoutMs);
}

Window Session::MessageDialog(int timeoutMs) {
    return WaitForWindow(
        Pid(), [](const Window& w) { return w.rect.size() == QSize(261, 103); }, timeoutMs);
}

static bool IsDialog(const Window& w) {
    return w.rect.width() != 520;
}

Window Session::FileDialog(int timeoutMs) {
    return WaitForWindow(
        Pid(), [](const Window& w) { return w.rect.width() > 330 && w.rect.width() != 520; },
        timeoutMs);
}

bool Session::NoDialog(int timeoutMs) {
    return WaitUntilGone(Pid(), IsDialog, timeoutMs);
}

int Session::ToolBarHeight() {
    return Main().rect.height() - 376;
}

QPoint Session::BoardOrigin() {
    Window m = Main();
    return m.rect.topLeft() + QPoint(0, m.rect.height() - 376);
}

QImage Session::BoardArea() {
    QPoint o = BoardOrigin();
    return Screenshot().copy(QRect(o, QSize(520, 376)));
}

QImage Session::LevelBox() {
    Window m = Main();
    return Screenshot().copy(QRect(m.rect.topLeft() + QPoint(212, 7), QSize(57, 20)));
}

void Session::ClickCell(int c, int r) {
    QPoint o = BoardOrigin();
    Click(o.x() + 22 + 48 * c + 24, o.y() + 20 + 48 * r + 24);
}

void Session::ClickToolBar(int x, int y) {
    Window m = Main();
    ClickIn(m, x, y);
}

// Sum of absolute differences of two same-sized pictures, leaving out one square.
static long Difference(const QImage& a, const QImage& b, QRect skip = {}) {
    long sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        auto* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        auto* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (skip.contains(x, y)) {
                continue;
            }
            sum += std::abs(qRed(pa[x]) - qRed(pb[x])) + std::abs(qGreen(pa[x]) - qGreen(pb[x])) +
                   std::abs(qBlue(pa[x]) - qBlue(pb[x]));
        }
    }
    return sum;
}

SeenBoard ReadBoard(const QImage& area, const Pictures& pics) {
    SeenBoard seen;
    std::vector<QImage> tiles;
    for (int t = 0; t < zt::TileCount; ++t) {
        tiles.push_back(pics.tiles.copy(48 * (t % 20), 48 * (t / 20), 48, 48));
    }
    for (int c = 0; c < zt::Columns; ++c) {
        for (int r = 0; r < zt::Rows; ++r) {
            QImage cell = area.copy(22 + 48 * c, 20 + 48 * r, 48, 48);
            int best = -1;
            long bestDiff = LONG_MAX;
            bool exact = false;
            for (int t = 0; t < zt::TileCount && !exact; ++t) {
                auto anchor = zt::Anchor(t);
                long d = Difference(cell, tiles[t]);
                exact = d == 0;
                if (!exact) {
                    d = Difference(cell, tiles[t], QRect(anchor.x, anchor.y, 20, 20));
                }
                if (d < bestDiff) {
                    bestDiff = d;
                    best = t;
                }
            }
            seen.board[zt::CellIndex(c, r)] = std::uint8_t(best);
            if (!exact) {
                ++seen.inexact;
                seen.selCol = c;
                seen.selRow = r;
            }
        }
    }
    return seen;
}

std::vector<zt::Cell> PlanSwaps(SeenBoard seen, const zt::LevelRecord& target) {
    std::vector<zt::Cell> clicks;
    auto same = [](int a, int b) { return zt::EdgeWord(a) == zt::EdgeWord(b); };
    auto& b = seen.board;
    auto wrong = [&](int i) { return !same(b[i], target[i]); };
    if (zt::Fits(b)) {
        // Dealt fitting: only a move that leaves the board fitting wins it.
        // Out to another movable cell, and back unless that already fits.
        const zt::Cell marked{seen.selCol, seen.selRow};
        for (int i = 0; i < zt::CellCount; ++i) {
            if (i != zt::CellIndex(marked.c, marked.r) && zt::IsMovable(b[i])) {
                std::swap(b[i], b[zt::CellIndex(marked.c, marked.r)]);
                clicks.push_back({i / zt::Rows, i % zt::Rows});
                if (!zt::Fits(b))
                    clicks.push_back(marked);
                break;
            }
        }
        return clicks;
    }
    // The game says "won" as soon as every road meets its kind, which can be
    // before every tile is where the level file has it; a move planned past
    // that would go to the message.
    for (int guard = 0; guard < 200 && !zt::Fits(b); ++guard) {
        int s = zt::CellIndex(seen.selCol, seen.selRow);
        int pick = -1;
        if (wrong(s)) {
            // Fetch the tile that belongs here from a cell where it is wrong.
            for (int i = 0; i < zt::CellCount && pick < 0; ++i) {
                if (i != s && wrong(i) && same(b[i], target[s]) && zt::IsMovable(b[i])) {
                    pick = i;
                }
            }
        }
        if (pick < 0) {
            // The marked tile is at home: move it into any cell still wrong.
            for (int i = 0; i < zt::CellCount && pick < 0; ++i) {
                if (i != s && wrong(i) && zt::IsMovable(b[i])) {
                    pick = i;
                }
            }
        }
        if (pick < 0) {
            break;
        }
        std::swap(b[s], b[pick]);
        seen.selCol = pick / zt::Rows;
        seen.selRow = pick % zt::Rows;
        clicks.push_back({seen.selCol, seen.selRow});
    }
    return clicks;
}

int ReadLevelNumber(const QImage& box, const Pictures& pics) {
    int number = 0;
    for (int i = 0; i < 3; ++i) {
        QImage place = box.copy(13 * i, 0, 11, 20);
        int digit = -1;
        for (int d = 0; d <= 10; ++d) {
            if (Difference(place, pics.digits.copy(11 * d, 0, 11, 20)) == 0) {
                digit = d;
            }
        }
        if (digit < 0) {
            return -1; // not a digit cell
        }
        number = number * 10 + (digit == 10 ? 0 : digit);
    }
    return number;
}

bool SmilingFace(const QImage& box, const Pictures& pics) {
    return Difference(box.copy(42, 0, 13, 20), pics.digits.copy(122, 0, 13, 20)) == 0;
}

int BlueGaugeRows(const QImage& area, const Pictures& pics) {
    // Rows where the grey and the blue strip look the same tell nothing; the
    // blue part reaches up to the highest row that is plainly blue.
    int highestBlue = 347;
    for (int y = 346; y >= 32; --y) {
        QImage row = area.copy(469, y, 31, 1);
        QImage full = pics.backdrop.copy(469, y, 31, 1);
        QImage empty = pics.backdrop.copy(415, y, 31, 1);
        if (Difference(full, empty) == 0) {
            continue;
        }
        if (Difference(row, full) == 0) {
            highestBlue = y;
        } else {
            break;
        }
    }
    return 347 - highestBlue;
}

} // namespace e2e
