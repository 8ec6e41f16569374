// The module "zorbly-tarnel-instance": the running game's socket, and the
// call a later start makes to it. The connection itself is the message:
// "come to the front".
#pragma once

#include <QString>

class QObject;

namespace zt {

// Listens under name (a path in the runtime folder, or a pipe name) and runs
// onCall for every call. Returns the listener, which the caller deletes; none
// when no one can listen there.
using ListenForCalls = QObject* (*)(const QString& name, void (*onCall)());
// Calls the game listening under name; true when it took the call.
using CallRunningGame = bool (*)(const QString& name);

inline constexpr char ListenForCallsEntry[] = "ztrn_listen_for_calls";
inline constexpr char CallRunningGameEntry[] = "ztrn_call_running_game";

} // namespace zt
