#include "runninggame.h"

#include <QLocalServer>
#include <QLocalSocket>

extern "C" {

Q_DECL_EXPORT QObject* ztrn_listen_for_calls(const QString& name, void (*onCall)()) {
    auto* server = new QLocalServer;
    server->setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(server, &QLocalServer::newConnection, server, [server, onCall] {
        while (QLocalSocket* call = server->nextPendingConnection()) {
            call->abort();
            call->deleteLater();
        }
        onCall();
    });
    // Only the lock's holder listens: a socket left here is a killed game's.
    QLocalServer::removeServer(name);
    if (!server->listen(name)) {
        delete server;
        return nullptr;
    }
    return server;
}

Q_DECL_EXPORT bool ztrn_call_running_game(const QString& name) {
    QLocalSocket game;
    game.connectToServer(name);
    // A local socket connects or fails at once; the wait is a bound only.
    return game.waitForConnected(1000);
}

} // extern "C"
