#include "progress.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <filesystem>

namespace zt {

namespace {

// The longest path the system opens, in the bytes it is given: Linux and
// the BSDs take 4096 with the closing zero, Windows 32767 UTF-16 units.
#ifdef Q_OS_WIN
constexpr qsizetype MaxPathLength = 32767;
#else
constexpr qsizetype MaxPathLength = 4095;
#endif
// File systems hold names of at most 255 units; a caption needs no more.
constexpr qsizetype MaxCaptionName = 255;

qsizetype FileNameStart(const QString& path) {
    qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
#ifdef Q_OS_WIN
    slash = std::max(slash, path.lastIndexOf(QLatin1Char('\\')));
#endif
    return slash + 1;
}

} // namespace

QString FileNamePart(const QString& path) {
    return path.mid(FileNameStart(path));
}
QString FolderPart(const QString& path) {
    return path.left(FileNameStart(path));
}

ProgressRead ReadProgressFile(const QString& path, SolvedFlags& flags, QString* systemError) {
    if (!ProgressFileExists(path))
        return ProgressRead::Missing;
    // Only plain files: a pipe or a device named as a progress file would
    // block the game or feed it without end.
    if (!QFileInfo(path).isFile())
        return ProgressRead::Failed;
    QFile file(path);
    const auto failed = [&] {
        if (systemError)
            *systemError = file.errorString();
        return ProgressRead::Failed;
    };
    if (!file.open(QIODevice::ReadOnly))
        return failed();
    const QByteArray bytes = file.read(qint64(flags.size()));
    if (bytes.isNull() && file.error() != QFileDevice::NoError)
        return failed();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        flags[std::size_t(i)] = std::uint8_t(bytes[i]);
    return ProgressRead::Ok;
}

namespace {

// Over the old file itself: the only way where the folder takes no new file,
// and the way that keeps further hard links to the file its own. A failure
// here can leave the old file cut; the caller says so.
bool WriteInPlace(const QString& path, const SolvedFlags& flags) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return false;
    const qint64 size = qint64(flags.size());
    return file.write(reinterpret_cast<const char*>(flags.data()), size) == size &&
           file.resize(size) && file.flush() && file.error() == QFileDevice::NoError &&
           file.size() == size;
}

bool HasOtherLinks(const QString& path) {
    std::error_code error;
    const auto links =
        std::filesystem::hard_link_count(std::filesystem::path(path.toStdU16String()), error);
    return !error && links > 1;
}

} // namespace

bool WriteProgressFile(const QString& path, const SolvedFlags& flags) {
    const QFileInfo old(path);
    const bool oldWritable = old.isFile() && old.isWritable();
    if (oldWritable && HasOtherLinks(path))
        return WriteInPlace(path, flags);
    // Written beside the old file and put in its place only when complete, so
    // a full disk or a lost device never costs the player the old progress.
    // Unbuffered, so that a short write shows here: a buffered one may fail
    // only when flushed inside commit(), which then still puts the truncated
    // file in place of the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return oldWritable && WriteInPlace(path, flags);
    const qint64 size = qint64(flags.size());
    if (file.write(reinterpret_cast<const char*>(flags.data()), size) != size ||
        file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString WithProgressExtension(const QString& chosen) {
    const qsizetype nameStart = FileNameStart(chosen);
    const qsizetype dot = chosen.lastIndexOf(QLatin1Char('.'));
    if (dot >= nameStart)
        return chosen.left(dot) + QStringLiteral(".ztn");
    return chosen + QStringLiteral(".ztn");
}

bool ProgressFileExists(const QString& path) {
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

QString UsableProgressPath(const QString& stored, const QString& fallback) {
#ifdef Q_OS_WIN
    const qsizetype length = stored.size();
#else
    const qsizetype length = QFile::encodeName(stored).size();
#endif
    return length > MaxPathLength ? fallback : stored;
}

QString CaptionFileName(const QString& path) {
    const QString name = FileNamePart(path);
    if (name.size() <= MaxCaptionName)
        return name;
    const QChar ellipsis(0x2026);
    qsizetype head = (MaxCaptionName - 1) / 2;
    qsizetype tail = MaxCaptionName - 1 - head;
    // Never cut a character that takes two UTF-16 units in half.
    if (name.at(head - 1).isHighSurrogate())
        --head;
    if (name.at(name.size() - tail).isLowSurrogate())
        --tail;
    return name.left(head) + ellipsis + name.right(tail);
}

} // namespace zt
