#include "singleinstance.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLibrary>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include "inictrl.h"
#include "runninggame.h"

namespace zt {

namespace {

// Where the games of one session meet: the session's runtime folder. Qt
// complains when it has to make one up; the temporary folder, where local
// sockets go by default, serves then.
QString MeetingFolder() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
    return QDir::tempPath();
}

// Short and fixed in length, as a socket's path has little room; the same for
// every start of one player, different for every settings file.
QString PlayerKey() {
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    const QByteArray player = (user + QLatin1Char('\n') + TCKIniCtrl().Location()).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(player, QCryptographicHash::Sha256);
    return QStringLiteral("zorbly-tarnel-") + QString::fromLatin1(hash.toHex().left(16));
}

// The socket's side lives in a module beside the program: the network
// library it needs, with the libraries that library brings, would cost every
// start its loading time before the first window.
QFunctionPointer FromModule(const char* entry) {
    QLibrary module(QCoreApplication::applicationDirPath() +
                    QStringLiteral("/zorbly-tarnel-instance"));
    module.setLoadHints(QLibrary::PreventUnloadHint);
    return module.resolve(entry);
}

void BringGameToFront() {
    QWidget* main = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("MainForm"))
            main = w;
    }
    if (main && main->isMinimized())
        main->setWindowState(main->windowState() & ~Qt::WindowMinimized);
    // A question or a dialog open in the game is what the player must answer.
    QWidget* front = QApplication::activeModalWidget();
    if (!front)
        front = main;
    if (!front || !front->isVisible())
        return;
    front->raise();
    front->activateWindow();
}

class Claim : public QObject {
public:
    explicit Claim(const QString& lockPath) : lock(lockPath) {
        // However long the game runs, only a holder that has gone frees it.
        lock.setStaleLockTime(0);
    }
    ~Claim() override { delete listener; }
    QLockFile lock;
    QObject* listener = nullptr;
};

} // namespace

std::unique_ptr<QObject> ClaimTheGame() {
    const QString folder = MeetingFolder();
    const QString key = PlayerKey();
#ifdef Q_OS_WIN
    const QString meetingName = key; // a pipe name, not a path
#else
    const QString meetingName = folder + QLatin1Char('/') + key;
#endif
    auto claim = std::make_unique<Claim>(folder + QLatin1Char('/') + key + QStringLiteral(".lock"));
    // The lock says whether a game runs; a game that was killed leaves it
    // behind, and QLockFile frees it when its holder is gone. The running
    // game answers the call a little after its own start: until then, and
    // when both start at the same moment, the later one calls again.
    const QDeadlineTimer patience(5000);
    while (!claim->lock.tryLock(0)) {
        if (claim->lock.error() != QLockFile::LockFailedError)
            return claim; // no place to meet: play rather than refuse
        const auto call = reinterpret_cast<CallRunningGame>(FromModule(CallRunningGameEntry));
        if (!call || call(meetingName) || patience.hasExpired())
            return nullptr; // it runs: still one game, answered or not
        QThread::msleep(50);
    }
    // Off the way to the first window.
    Claim* held = claim.get();
    QTimer::singleShot(1000, held, [held, meetingName] {
        if (const auto listen =
                reinterpret_cast<ListenForCalls>(FromModule(ListenForCallsEntry)))
            held->listener = listen(meetingName, &BringGameToFront);
    });
    return claim;
}

} // namespace zt
