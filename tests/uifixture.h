// A whole game in a folder of its own: level file, settings store and the
// windows, as the player meets them. Modal dialogs are answered as they come.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <memory>
#include <vector>

#include "appwindows.h"
#include "game.h"
#include "gametestaccess.h"
#include "settingsstore.h"
#include "paintbox.h"
#include "uiseam.h"

namespace uitest {

inline QImage Rgb(const QImage& i) {
    return i.convertToFormat(QImage::Format_RGB32);
}

// after differs from before only by the keyboard's frame on the cell of
// `side` device pixels whose top-left corner is `at`: a ring two logical
// pixels wide, two inside the cell's edge, of nothing but white and black
// dashes, both colours on every side of it.
inline void CheckFocusFrame(const QImage& before, const QImage& after, QPoint at, int side,
                            qreal ratio) {
    QCOMPARE(after.size(), before.size());
    const int inset = qRound(2 * ratio), width = qRound(2 * ratio);
    const auto ring = [&](int v) {
        return (v >= inset && v < inset + width) || (v >= side - inset - width && v < side - inset);
    };
    const auto inside = [&](int v) { return v >= inset && v < side - inset; };
    int white[4] = {}, black[4] = {};
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            const int cx = x - at.x(), cy = y - at.y();
            const QRgb p = after.pixel(x, y) & 0xffffff;
            if (!inside(cx) || !inside(cy) || !(ring(cx) || ring(cy))) {
                if (p != (before.pixel(x, y) & 0xffffff)) {
                    QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) changed outside the frame")
                                         .arg(x)
                                         .arg(y)));
                }
                continue;
            }
            QVERIFY2(p == 0xffffff || p == 0, "the frame has a third colour");
            const int sideOf = cy < inset + width ? 0 : cy >= side - inset - width ? 1
                               : cx < inset + width ? 2 : 3;
            (p ? white : black)[sideOf]++;
        }
    }
    for (int i = 0; i < 4; ++i) {
        QVERIFY2(white[i] >= 8 * width && black[i] >= 8 * width,
                 "a side of the frame is not dashed");
    }
}

// A road from (0, 0) to (1, 0) on grass: every side fits.
inline zt::LevelRecord FittingRecord() {
    zt::LevelRecord r{};
    r[zt::CellIndex(0, 0)] = 39; // dead end, road to the right
    r[zt::CellIndex(1, 0)] = 38; // dead end, road to the left
    return r;
}

// A single road end on grass: no arrangement ever fits.
inline zt::LevelRecord NeverFittingRecord() {
    zt::LevelRecord r{};
    r[zt::CellIndex(4, 3)] = 39;
    return r;
}

// Owns the watches for dialogs that have not come yet. A test that fails
// before its dialog comes must not leave a watch behind for the next test,
// whose dialog it would answer with the dead test's variables.
inline QObject& PendingWatches() {
    static QObject owner;
    return owner;
}

// Runs act on the next modal widget that appears, in the dialog's own loop:
// each window shown is looked at once that loop turns.
class ModalWatch : public QObject {
public:
    explicit ModalWatch(std::function<void(QWidget*)> act)
        : QObject(&PendingWatches()), act_(std::move(act)) {
        qApp->installEventFilter(this);
        Look(); // one that is up already
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow()) {
            Look();
        }
        return false;
    }

private:
    void Look() {
        QMetaObject::invokeMethod(
            this,
            [this] {
                QWidget* w = QApplication::activeModalWidget();
                if (done_ || !w) {
                    return;
                }
                done_ = true;
                qApp->removeEventFilter(this);
                deleteLater();
                const auto act = std::move(act_);
                act(w);
            },
            Qt::QueuedConnection);
    }
    std::function<void(QWidget*)> act_;
    bool done_ = false;
};

inline void WhenModal(std::function<void(QWidget*)> act) {
    new ModalWatch(std::move(act));
}

// Answers the next modal dialogs in order by pressing the button with that
// object name (or else that text), or closing the dialog ("close").
inline void Answer(std::vector<QString> names) {
    if (names.empty()) {
        return;
    }
    QString first = names.front();
    names.erase(names.begin());
    WhenModal([first, names](QWidget* w) {
        auto* b = w->findChild<QAbstractButton*>(first);
        for (auto* other : w->findChildren<QAbstractButton*>())
            b = b ? b : other->text() == first ? other : nullptr;
        if (first == QLatin1String("close")) {
            w->close();
        } else if (b) {
            b->click();
        } else {
            qWarning("no button %s on %s", qPrintable(first), qPrintable(w->objectName()));
            w->close();
        }
        Answer(names);
    });
}

struct Game {
    QTemporaryDir dir;
    zt::GameWindows w;

    QString Dir() const { return dir.path() + '/'; }
    zt::TMainForm& Form() { return *w.MainForm; }
    zt::Game& State() { return w.MainForm->game(); }
    zt::TCKIniCtrl Store() const { return zt::TCKIniCtrl(); }

    // The settings store and the player's records live in this game's folder from here on.
    Game() {
        qputenv("XDG_CONFIG_HOME", (dir.path() + "/config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", (dir.path() + "/data").toLocal8Bit());
    }
    ~Game() {
        const QObjectList watches = PendingWatches().children();
        qDeleteAll(watches);
    }

    void WriteLevels(const std::vector<zt::LevelRecord>& levels) {
        QFile f(Dir() + "ztrn.dat");
        QVERIFY(f.open(QIODevice::WriteOnly));
        for (const auto& r : levels) {
            f.write(reinterpret_cast<const char*>(r.data()), r.size());
        }
    }
    void Start(const std::vector<zt::LevelRecord>& levels, int language = 0) {
        WriteLevels(levels);
        if (language != -1) {
            Store().WriteNumber("common", "tongue", language);
        }
        w = zt::CreateGameWindows(Dir());
        // Sound stays off so the tests never wait on a sound device.
        Controls(*w.MainForm).SoundBtn->setChecked(false);
    }
    // Levels of the same kind, n of them.
    void Start(int n, const zt::LevelRecord& record, int language = 0) {
        Start(std::vector<zt::LevelRecord>(n, record), language);
    }
    // Shows the main window and clicks the splash away.
    void Show() {
        bool splashGone = false;
        WhenModal([&splashGone](QWidget* splash) {
            splash->close();
            splashGone = true;
        });
        Form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Form()));
        QTRY_VERIFY(splashGone);
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        // Offscreen, nothing hands the activation back when the splash goes.
        Form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Form()));
        // The widgets learn of it a little after the window system's window.
        QTRY_VERIFY(QApplication::activeWindow() == &Form());
    }
    // Puts the tile of (2, 0) next to its partner: a click on (1, 0) solves.
    void OneMoveFromSolved() {
        zt::GameTestAccess g{State()};
        g.board() = FittingRecord();
        std::swap(g.board()[zt::CellIndex(1, 0)], g.board()[zt::CellIndex(2, 0)]);
        g.Select({2, 0});
    }
    void ClickCell(int c, int r) {
        QTest::mouseClick(Controls(Form()).box, Qt::LeftButton, {},
                          QPoint(22 + 48 * c + 10, 20 + 48 * r + 10));
    }
};

} // namespace uitest
