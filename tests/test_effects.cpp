// The main window's remembered position, its centring and the opening effect.
#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ckform.h"
#include "inictrl.h"
#include "outline.h"

using namespace zt;

namespace {

const QSize WindowSize(526, 461);

QWidget* MakeWindow()
{
    auto* w = new QWidget;
    w->setFixedSize(WindowSize);
    return w;
}

}  // namespace

class EffectsTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

private slots:
    void initTestCase()
    {
        // The offscreen platform cannot mask or raise windows and says so
        // every time; what is shown is checked through the outline itself.
        static const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (!message.startsWith(QLatin1String("This plugin does not support")))
                    previous(type, context, message);
            });
    }

    void init()
    {
        qputenv("XDG_CONFIG_HOME", home_.path().toLocal8Bit());
        QFile::remove(TCKIniCtrl().Location());
    }

    void parsing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QRect>("normal");
        const QRect example(QPoint(100, 50), QPoint(625, 510));
        QTest::newRow("example") << "200,0,1,100,50,626,511" << true << example;
        QTest::newRow("six fields") << "200,0,1,100,50,626" << false << QRect();
        QTest::newRow("eight fields") << "200,0,1,100,50,626,511,7" << false << QRect();
        QTest::newRow("201") << "201,0,1,100,50,626,511" << false << QRect();
        QTest::newRow("empty") << "" << false << QRect();
        QTest::newRow("one trailing comma") << "200,0,1,100,50,626,511," << true << example;
        QTest::newRow("two trailing commas") << "200,0,1,100,50,626,511,," << false << QRect();
        QTest::newRow("empty field") << "200,0,1,,50,626,511" << false << QRect();
        QTest::newRow("word in rectangle") << "200,0,1,abc,50,626,511" << false << QRect();
        QTest::newRow("hex in rectangle") << "200,0,1,0x10,50,626,511" << false << QRect();
        QTest::newRow("too large") << "200,0,1,99999999999,50,626,511" << false << QRect();
        QTest::newRow("unused fields unreadable") << "200,x,y,100,50,626,511" << true << example;
        QTest::newRow("negative") << "200,0,1,-8,-30,518,431" << true
                                  << QRect(QPoint(-8, -30), QPoint(517, 430));
    }

    void parsing()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(QRect, normal);
        const std::optional<WindowPlacement> p = ParsePlacement(text);
        QCOMPARE(p.has_value(), valid);
        if (valid)
            QCOMPARE(p->normal, normal);
    }

    void textRoundTrip()
    {
        for (const QString text : {"200,0,1,100,50,626,511", "200,2,2,-8,-8,518,453",
                                   "200,0,3,0,0,1,1"}) {
            const std::optional<WindowPlacement> p = ParsePlacement(text);
            QVERIFY(p);
            QCOMPARE(PlacementText(*p), text);
        }
    }

    void pullBack()
    {
        const QList<QRect> small{QRect(0, 0, 640, 480)};
        auto placed = [&](int left, int top, const QList<QRect>& screens) {
            WindowPlacement p;
            p.normal = QRect(left, top, 10, 10);  // stored size is not used
            return PlacedRect(p, WindowSize, screens);
        };
        // The stored top-left with the present size.
        QCOMPARE(placed(100, 10, small), QRect(QPoint(100, 10), WindowSize));
        // Beyond the right edge: left 640 - 526 = 114, right 640.
        QCOMPARE(placed(300, 10, small), QRect(QPoint(114, 10), WindowSize));
        // Beyond the bottom: 480 - 461.
        QCOMPARE(placed(0, 100, small), QRect(QPoint(0, 19), WindowSize));
        // Left and top are not pulled in.
        QCOMPARE(placed(-50, -20, small), QRect(QPoint(-50, -20), WindowSize));
        // On no screen at all (a screen that went away): nothing to restore.
        QVERIFY(!placed(5000, 10, small));
        QVERIFY(!placed(-600, 10, small));
        // Two screens side by side: the one it mostly lies on counts.
        const QList<QRect> two{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
        QCOMPARE(placed(2000, 100, two), QRect(QPoint(2000, 100), WindowSize));
        QCOMPARE(placed(3000, 700, two), QRect(QPoint(3200 - 526, 1024 - 461), WindowSize));
        QCOMPARE(placed(1700, 100, two), QRect(QPoint(1700, 100), WindowSize));
    }

    void centring()
    {
        QCOMPARE(CentredRect(WindowSize, QRect(0, 0, 640, 480)), QRect(QPoint(57, 9), WindowSize));
        QCOMPARE(CentredRect(QSize(700, 481), QRect(0, 0, 640, 480)).topLeft(), QPoint(-30, 0));
        QCOMPARE(CentredRect(WindowSize, QRect(1920, 0, 1280, 1024)).topLeft(),
                 QPoint(1920 + 377, 281));
    }

    void explodeOutlines()
    {
        const QRect target(QPoint(100, 50), WindowSize);
        // From outside: the last outline is the window's outline.
        QCOMPARE(ExplodeOutline({0, 0}, target, ExplodeSteps), target);
        QCOMPARE(ExplodeOutline({700, 600}, target, ExplodeSteps), target);
        // From inside: every outline surrounds the pointer and they grow.
        const QPoint inside(300, 200);
        int lastWidth = 0;
        for (int i = 1; i <= ExplodeSteps; ++i) {
            const QRect r = ExplodeOutline(inside, target, i);
            QVERIFY2(r.contains(inside) || r.isEmpty(), qPrintable(QString::number(i)));
            QVERIFY(r.width() >= lastWidth);
            lastWidth = r.width();
        }
    }

    void outlinePasses()
    {
        QList<QRect> outlines;
        for (int i = 1; i <= ExplodeSteps; ++i)
            outlines << ExplodeOutline({10, 10}, QRect(100, 100, 400, 300), i);
        OutlineWindow window(outlines);
        QRegion all;
        for (int i = 1; i <= ExplodeSteps; ++i) {
            window.ShowStep(i);
            all += Ring(outlines[i - 1]);
            QCOMPARE(window.Showing(), all);
        }
        QVERIFY(window.isVisible());
        // The second pass takes them away, smallest first.
        for (int i = 1; i < ExplodeSteps; ++i) {
            window.ShowStep(ExplodeSteps + i);
            QRegion rest;
            for (int k = i; k < ExplodeSteps; ++k)
                rest += Ring(outlines[k]);
            QCOMPARE(window.Showing(), rest);
        }
        window.ShowStep(2 * ExplodeSteps);
        QVERIFY(window.Showing().isEmpty());
        QVERIFY(!window.isVisible());
    }

    void restoringOnShow_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("centred");
        QTest::newRow("nothing") << QString() << true;
        QTest::newRow("example") << "200,0,1,100,50,626,511" << false;
        QTest::newRow("six fields") << "200,0,1,100,50,626" << true;
        QTest::newRow("201") << "201,0,1,100,50,626,511" << true;
        QTest::newRow("not integers") << "200,0,1,a,b,c,d" << true;
    }

    void restoringOnShow()
    {
        QFETCH(QString, stored);
        QFETCH(bool, centred);
        TCKIniCtrl ini;
        if (!stored.isEmpty())
            ini.WriteText("common", "MainForm", stored);
        std::unique_ptr<QWidget> window(MakeWindow());
        TCKForm form(window.get(), &ini);
        // What is on the screen while the effect runs.
        bool windowVisibleDuringEffect = true;
        QRegion outlineDuringEffect;
        QTimer::singleShot(0, [&] {
            windowVisibleDuringEffect = window->isVisible() && window->windowHandle() &&
                                        window->windowHandle()->isExposed();
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* o = dynamic_cast<OutlineWindow*>(w); o && o->isVisible())
                    outlineDuringEffect += o->Showing();
        });
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QSize outer = window->frameGeometry().size();
        const QPoint expected =
            centred ? CentredRect(outer, screen).topLeft() : QPoint(100, 50);
        QCOMPARE(window->frameGeometry().topLeft(), expected);
        QVERIFY(!windowVisibleDuringEffect);
        QVERIFY(!outlineDuringEffect.isEmpty());
        // Nothing is left of the outlines.
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY(!dynamic_cast<OutlineWindow*>(w));
    }

    void savingOnClose_data()
    {
        QTest::addColumn<int>("how");  // 0 normal, 1 minimised, 2 maximised, 3 max then min
        QTest::addColumn<QString>("text");
        // The rectangle is the outer one, frame included: %1, %2 are its
        // right and bottom.
        QTest::newRow("normal") << 0 << "200,0,1,100,50,%1,%2";
        QTest::newRow("minimised") << 1 << "200,0,2,100,50,%1,%2";
        QTest::newRow("maximised") << 2 << "200,0,3,100,50,%1,%2";
        QTest::newRow("minimised from maximised") << 3 << "200,2,2,100,50,%1,%2";
    }

    void savingOnClose()
    {
        QFETCH(int, how);
        QFETCH(QString, text);
        TCKIniCtrl ini;
        ini.WriteText("common", "MainForm", "200,0,1,100,50,626,511");
        ini.WriteText("common", "MainFormColor", "clBtnFace");
        ini.WriteText("common", "MainFormFont", "Arial,8");
        std::unique_ptr<QWidget> window(MakeWindow());
        auto* form = new TCKForm(window.get(), &ini);
        form->SetEffect(TCKDlgEffect::deNone);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QRect outer = window->frameGeometry();
        QCOMPARE(outer.topLeft(), QPoint(100, 50));
        text = text.arg(100 + outer.width()).arg(50 + outer.height());
        if (how == 2 || how == 3) {
            window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            window->setMinimumSize(0, 0);
            window->showMaximized();
            QTRY_VERIFY(window->windowState() & Qt::WindowMaximized);
        }
        if (how == 1 || how == 3) {
            window->setWindowState(window->windowState() | Qt::WindowMinimized);
            QTRY_VERIFY(window->windowState() & Qt::WindowMinimized);
        }
        window->close();
        form->SavePlacement();
        QCOMPARE(TCKIniCtrl().ReadText("common", "MainForm", QString()), text);
        QCOMPARE(TCKIniCtrl().ReadText("common", "MainFormColor", "erased"), QString("erased"));
        QCOMPARE(TCKIniCtrl().ReadText("common", "MainFormFont", "erased"), QString("erased"));
    }
};

QTEST_MAIN(EffectsTest)
#include "test_effects.moc"
