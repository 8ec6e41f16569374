#include "singleinstance.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

#include "settingsstore.h"

namespace zt {

namespace {

constexpr char Interface[] = "io.github.zorblygames.ZorblyTarnel";

// Where the lock lies: the session's runtime folder, or the temporary folder
// where there is none.
QString LockFolder() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
    return QDir::tempPath();
}

// The same for every start of one player, different for every settings file.
QString PlayerKey() {
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    const QByteArray player = (user + QLatin1Char('\n') + TCKIniCtrl().Location()).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(player, QCryptographicHash::Sha256);
    return QStringLiteral("p") + QString::fromLatin1(hash.toHex().left(16));
}

QString BusName(const QString& key) { return QLatin1String(Interface) + QLatin1Char('.') + key; }

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

// The running game's side: holds the lock and answers a later start on the
// session bus, the desktop's own way for one program to call another.
class Claim : public GameClaim {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.github.zorblygames.ZorblyTarnel")
public:
    explicit Claim(const QString& lockPath) : lock(lockPath) {
        // However long the game runs, only a holder that has gone frees it.
        lock.setStaleLockTime(0);
    }
    ~Claim() override {
        if (!service.isEmpty())
            QDBusConnection::sessionBus().unregisterService(service);
    }
    void Answer(const QString& key) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (bus.isConnected() && bus.registerObject(QStringLiteral("/"), this,
                                                    QDBusConnection::ExportScriptableSlots)
            && bus.registerService(BusName(key)))
            service = BusName(key);
    }
    QLockFile lock;
    QString service;

public slots:
    Q_SCRIPTABLE void Activate() { BringGameToFront(); }
    // Loaded after the call has been answered: a failure's message box must
    // not keep the later start waiting.
    Q_SCRIPTABLE void OpenProgressFile(const QString& path) {
        BringGameToFront();
        QTimer::singleShot(0, this, [this, path] { emit ProgressFileGiven(path); });
    }
};

} // namespace

std::unique_ptr<GameClaim> ClaimTheGame(const QString& progressFile) {
    const QString key = PlayerKey();
    auto claim = std::make_unique<Claim>(LockFolder() + QLatin1Char('/') + QStringLiteral("zorbly-tarnel-")
                                         + key + QStringLiteral(".lock"));
    // The lock says whether a game runs; a game that was killed leaves it
    // behind, and QLockFile frees it when its holder is gone.
    if (claim->lock.tryLock(0)) {
        // On the first turn of the event loop, while the opening effect plays:
        // long before the player could start the game again.
        Claim* held = claim.get();
        QTimer::singleShot(0, held, [held, key] { held->Answer(key); });
        return claim;
    }
    if (claim->lock.error() != QLockFile::LockFailedError)
        return claim; // no place for a lock: play rather than refuse
    // It runs: still one game, whether it hears the call or not (without a
    // session bus, or in its first moment, it cannot).
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            BusName(key), QStringLiteral("/"), QLatin1String(Interface),
            progressFile.isEmpty() ? QStringLiteral("Activate") : QStringLiteral("OpenProgressFile"));
        if (!progressFile.isEmpty())
            call << progressFile;
        bus.call(call, QDBus::Block, 2000);
    }
    return nullptr;
}

} // namespace zt

#include "singleinstance.moc"
