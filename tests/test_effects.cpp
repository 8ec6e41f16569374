// The main window's remembered position, its centring and the opening effect.
#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <numeric>

#include "windowplacement.h"
#include "framing.h"
#include "settingsstore.h"
#include "outline.h"

namespace zt {
struct TestSeam {
    // What the outline window shows now, in screen coordinates.
    static QRegion Showing(const OutlineWindow& o) { return o.showing_; }
    static qsizetype Outlines(const OutlineWindow& o) { return o.outlines_.size(); }
};
} // namespace zt

using namespace zt;

// Counts the opening effects that start: each shows its outline window once,
// and hides it when its last step has taken every outline away.
class EffectCounter : public QObject {
public:
    int effects = 0;
    qsizetype outlines = 0;
    bool emptied = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* o = dynamic_cast<OutlineWindow*>(watched);
        if (o && event->type() == QEvent::Show) {
            ++effects;
            outlines = TestSeam::Outlines(*o);
        } else if (o && event->type() == QEvent::Hide) {
            emptied = TestSeam::Showing(*o).isEmpty();
        }
        return false;
    }
};

class EffectsTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;
    const QSize size_{526, 461};

    std::unique_ptr<QWidget> Window(const QString& stored) {
        QFile::remove(TCKIniCtrl().Location());
        TCKIniCtrl().WriteText("common", "MainForm", stored);
        auto window = std::make_unique<QWidget>();
        window->setFixedSize(size_);
        return window;
    }

private slots:
    void initTestCase() {
        qputenv("XDG_CONFIG_HOME", home_.path().toLocal8Bit());
        // The offscreen platform cannot mask or raise windows and says so at
        // every step; what shows is checked through the outline itself.
        static const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (!message.startsWith("This plugin does not support"))
                    previous(type, context, message);
            });
    }

    void parsing_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("example") << "200,0,1,100,50,626,511" << true;
        QTest::newRow("one trailing comma") << "200,0,1,100,50,626,511," << true;
        QTest::newRow("unused fields unreadable") << "200,x,,100,50,626,511" << true;
        QTest::newRow("six fields") << "200,0,1,100,50,626" << false;
        QTest::newRow("eight fields") << "200,0,1,100,50,626,511,7" << false;
        QTest::newRow("two trailing commas") << "200,0,1,100,50,626,511,," << false;
        QTest::newRow("201") << "201,0,1,100,50,626,511" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("word in rectangle") << "200,0,1,abc,50,626,511" << false;
        QTest::newRow("too large") << "200,0,1,99999999999,50,626,511" << false;
        QTest::newRow("far off") << "200,0,1,0,0,-2147483648,511" << false;
    }

    void parsing() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        const std::optional<WindowPlacement> p = ParsePlacement(text);
        QCOMPARE(p.has_value(), valid);
        if (valid) {
            QCOMPARE(p->normal, QRect(100, 50, 526, 461));
            QCOMPARE(PlacementText(*p).section(',', 3), QString("100,50,626,511"));
        }
    }

    void pullBackAndCentring() {
        const QList<QRect> small{QRect(0, 0, 640, 480)};
        const QList<QRect> two{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
        auto at = [&](int left, int top, const QList<QRect>& screens) {
            WindowPlacement p;
            p.normal = QRect(left, top, 10, 10); // the stored size is not used
            return PlacedRect(p, size_, screens);
        };
        auto rect = [&](int left, int top) {
            return std::optional(QRect(QPoint(left, top), size_));
        };
        QCOMPARE(at(100, 10, small), rect(100, 10));
        QCOMPARE(at(300, 10, small), rect(114, 10));   // right edge at 640
        QCOMPARE(at(0, 100, small), rect(0, 19));      // bottom edge at 480
        QCOMPARE(at(-50, -20, small), rect(-50, -20)); // left and top stay
        // Stored on a larger screen: pulled back at the right and bottom.
        QCOMPARE(at(5000, 10, small), rect(114, 10));
        WindowPlacement far;
        far.normal = QRect(5000, 5000, 520, 409);
        QCOMPARE(PlacedRect(far, QSize(520, 409), {QRect(0, 0, 1024, 768)}),
                 std::optional(QRect(504, 359, 520, 409)));
        // Left larger on a larger screen, and smaller now: centred, not cornered.
        WindowPlacement larger;
        larger.normal = QRect(1000, 100, 1580, 1260);
        QCOMPARE(PlacedRect(larger, QSize(1320, 1050), {QRect(0, 0, 1920, 1080)}),
                 std::optional(QRect(300, 15, 1320, 1050)));
        // Wholly above or left of every screen it could never be seen.
        QCOMPARE(at(-5000, 100, small), std::nullopt);
        QCOMPARE(at(-5000, 5000, small), std::nullopt);
        QCOMPARE(at(100, -5000, two), std::nullopt);
        QCOMPARE(at(2000, 100, two), rect(2000, 100));
        QCOMPARE(at(3000, 700, two), rect(3200 - 526, 1024 - 461));
        QCOMPARE(at(5000, 10, two), rect(1920 - 526, 10)); // off every screen: the first
        QCOMPARE(CentredRect(size_, QRect(0, 0, 640, 480)).topLeft(), QPoint(57, 9));
        QCOMPARE(CentredRect(QSize(701, 481), QRect(0, 0, 640, 480)).topLeft(), QPoint(-30, 0));
    }

    void outlinesComeAndGo() {
        // From a pointer inside the window every outline surrounds it.
        const QRect target(QPoint(100, 50), size_);
        QList<QRect> outlines;
        for (int i = 1; i <= ExplodeSteps; ++i) {
            outlines << ExplodeOutline({300, 200}, target, i);
            QVERIFY(outlines.last().contains(QPoint(300, 200)) || outlines.last().isEmpty());
        }
        QCOMPARE(outlines.last(), target);
        // The first pass adds them one by one, the second takes them away in
        // the same order; nothing is left.
        OutlineWindow window(outlines);
        QRegion expected;
        for (int step = 1; step < 2 * ExplodeSteps; ++step) {
            window.ShowStep(step);
            if (step <= ExplodeSteps)
                expected += Ring(outlines[step - 1]);
            else
                expected = std::accumulate(outlines.begin() + (step - ExplodeSteps), outlines.end(),
                                           QRegion(),
                                           [](QRegion r, const QRect& o) { return r + Ring(o); });
            QCOMPARE(TestSeam::Showing(window), expected);
            if (step == ExplodeSteps) // lines, not areas: the pointer inside all stays clear
                QVERIFY(!expected.contains(QPoint(300, 200)));
        }
        window.ShowStep(2 * ExplodeSteps);
        QVERIFY(TestSeam::Showing(window).isEmpty() && !window.isVisible());
    }

    void restoringOnShow_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("centred");
        QTest::newRow("nothing") << QString() << true;
        QTest::newRow("example") << "200,0,1,100,50,626,511" << false;
        QTest::newRow("201") << "201,0,1,100,50,626,511" << true;
        QTest::newRow("not integers") << "200,0,1,a,b,c,d" << true;
    }

    void restoringOnShow() {
        QFETCH(QString, stored);
        QFETCH(bool, centred);
        std::unique_ptr<QWidget> window = Window(stored);
        TCKIniCtrl ini;
        TCKForm form(window.get(), &ini);
        EffectCounter counter;
        qApp->installEventFilter(&counter);
        // What is on the screen while the effect runs: the outlines, and
        // not yet the window.
        bool windowShowing = true;
        QRegion outline;
        QTimer::singleShot(0, [&] {
            windowShowing = window->isVisible();
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* o = dynamic_cast<OutlineWindow*>(w); o && o->isVisible())
                    outline += TestSeam::Showing(*o);
        });
        form.Open();
        form.Open(); // asked again while it plays: still one effect
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        // Under a window manager the frame comes a little later; the window
        // then stands by its frame as it does without one.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        auto expected = [&] {
            const QRect outer = window->frameGeometry();
            return centred ? CentredRect(outer.size(), screen).topLeft() : QPoint(100, 50);
        };
        QTRY_COMPARE(window->frameGeometry().topLeft(), expected());
        QVERIFY(!windowShowing);
        QVERIFY(!outline.isEmpty());
        // Once for one showing, whatever else watches the window.
        QCOMPARE(counter.effects, 1);
        QCOMPARE(counter.outlines, qsizetype(ExplodeSteps));
        QVERIFY(counter.emptied);
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY(!dynamic_cast<OutlineWindow*>(w));
    }

    void savingOnClose_data() {
        QTest::addColumn<Qt::WindowStates>("state");
        QTest::addColumn<QString>("fields"); // then the outer rectangle
        QTest::newRow("normal") << Qt::WindowStates() << "200,0,1";
        QTest::newRow("minimised") << Qt::WindowStates(Qt::WindowMinimized) << "200,0,2";
        QTest::newRow("maximised") << Qt::WindowStates(Qt::WindowMaximized) << "200,0,3";
        QTest::newRow("minimised from maximised")
            << (Qt::WindowMinimized | Qt::WindowMaximized) << "200,2,2";
    }

    void savingOnClose() {
        QFETCH(Qt::WindowStates, state);
        QFETCH(QString, fields);
        std::unique_ptr<QWidget> window = Window("200,0,1,100,50,626,511");
        TCKIniCtrl ini;
        ini.WriteText("common", "MainFormColor", "clBtnFace");
        ini.WriteText("common", "MainFormFont", "Arial,8");
        auto* form = new TCKForm(window.get(), &ini);
        form->SetEffect(TCKDlgEffect::deNone);
        form->Open();
        QVERIFY(window->isVisible()); // without the effect, at once
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTRY_COMPARE(window->frameGeometry().topLeft(), QPoint(100, 50));
        const QRect outer = window->frameGeometry();
        window->setMinimumSize(0, 0);
        window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        if (state & Qt::WindowMaximized) {
            window->showMaximized();
            QTRY_VERIFY(window->windowState() & Qt::WindowMaximized);
        }
        if (state & Qt::WindowMinimized) {
            window->setWindowState(window->windowState() | Qt::WindowMinimized);
            QTRY_VERIFY(window->windowState() & Qt::WindowMinimized);
        }
        window->close();
        form->SavePlacement();
        // The normal rectangle, frame included, right and bottom exclusive.
        QCOMPARE(ini.ReadText("common", "MainForm", QString()),
                 fields +
                     QString(",100,50,%1,%2").arg(100 + outer.width()).arg(50 + outer.height()));
        QCOMPARE(ini.ReadText("common", "MainFormColor", "erased"), QString("erased"));
        QCOMPARE(ini.ReadText("common", "MainFormFont", "erased"), QString("erased"));
    }
};

QTEST_MAIN(EffectsTest)
#include "test_effects.moc"
