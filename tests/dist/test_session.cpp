// The whole game inside a desktop session, on whatever window system the
// game itself picks there (run it with QT_QPA_PLATFORM unset): played,
// closed, started again. Nothing may be complained about on the way. In a
// Wayland session with XWayland the game must pick X, and then come back
// where it was left; on Wayland alone it must leave the remembered position
// as it was.
#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "windowplacement.h"
#include "platformchoice.h"
#include "uifixture.h"
#include "messagedialog.h"

namespace {

QStringList complaints;

void Collect(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg)
        complaints << text;
}

// Shows the main window and clicks the splash away. The session decides
// which window is active.
void Show(QWidget& main) {
    bool splashGone = false;
    uitest::WhenModal([&splashGone](QWidget* splash) {
        splash->close();
        splashGone = true;
    });
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QTRY_VERIFY(splashGone);
}

} // namespace

class SessionTest : public QObject {
    Q_OBJECT
private slots:
    void playedClosedAndStartedAgain();
};

void SessionTest::playedClosedAndStartedAgain() {
    const QByteArray expected = qgetenv("ZTRN_EXPECT_PLATFORM");
    QVERIFY2(!expected.isEmpty(), "say which platform the session should give the game");
    QCOMPARE(QGuiApplication::platformName(), QString::fromLatin1(expected));
    QCOMPARE(zt::CanPlaceWindows(), expected != "wayland");

    // Left by an earlier run on X: frame at (300, 200).
    const QString left = QStringLiteral("200,0,1,300,200,822,630");
    QRect firstPlace;
    uitest::Game first;
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    first.Store().WriteText("common", "MainForm", left);
    first.Start(3, uitest::NeverFittingRecord(), 0);
    {
        Show(first.Form());
        auto& f = first.Form();
        first.ClickCell(0, 0);
        first.ClickCell(8, 6);
        Controls(f).levelscroll->setValue(2);
        Controls(f).RulesBtn->click();
        firstPlace = f.frameGeometry();
        QSignalSpy closed(&f, &zt::TMainForm::Closed);
        uitest::Answer({QStringLiteral("Btn0301"), QStringLiteral("close")});
        Controls(f).ExitBtn->click();
        QCOMPARE(closed.count(), 1);
        first.w.MainForm.reset();
    }
    const QString stored = first.Store().ReadText("common", "MainForm", QString());
    QCOMPARE(first.Store().ReadNumber("common", "level", 0), 2);
    if (!zt::CanPlaceWindows()) {
        // Where a window stands is the compositor's business: what was left
        // on X stays for the next run there.
        QCOMPARE(stored, left);
    } else {
        QCOMPARE(stored.section(u',', 3, 4), QStringLiteral("%1,%2")
                                                   .arg(firstPlace.left())
                                                   .arg(firstPlace.top()));
        uitest::Game second;
        qputenv("XDG_CONFIG_HOME", config);
        second.Start(3, uitest::NeverFittingRecord(), 0);
        Show(second.Form());
        QTRY_COMPARE(second.Form().frameGeometry().topLeft(), firstPlace.topLeft());
        second.w.MainForm.reset();
    }
    QVERIFY2(complaints.isEmpty(), qPrintable(complaints.join(u'\n')));
}

int main(int argc, char** argv) {
    zt::PreferXInWaylandSession();
    QApplication app(argc, argv);
    qInstallMessageHandler(Collect);
    SessionTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_session.moc"
