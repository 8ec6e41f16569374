#include "defaultprogress.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zt {

QString DefaultProgressPath(const QString& programDir) {
    const QString name = QStringLiteral("noname.ztn");
    // isWritable asks the system (access() on Unix), so a read-only mount, an
    // immutable folder or a folder of another user all count as not writable.
    if (QFileInfo(programDir).isWritable())
        return programDir + name;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (data.isEmpty() || !QDir().mkpath(data))
        return programDir + name;
    return QDir(data).filePath(name);
}

QString FolderWithSeparator(const QString& path) {
    return QFileInfo(path).path() + u'/';
}

} // namespace zt
