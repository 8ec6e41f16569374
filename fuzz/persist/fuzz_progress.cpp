// Progress files of any content, and any name typed into the save dialog.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdlib>
#include <cstring>

#include "progress.h"

namespace {

// One scratch file per process, gone when the process ends.
struct Scratch {
    QString path = QDir::tempPath() +
                   QStringLiteral("/fuzz-progress-%1.ztn").arg(QCoreApplication::applicationPid());
    ~Scratch() { QFile::remove(path); }
} scratch;

QString ScratchFile() {
    return scratch.path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        QFile file(ScratchFile());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    zt::SolvedFlags flags;
    flags.fill(0xAA);
    if (zt::ReadProgressFile(ScratchFile(), flags) != zt::ProgressRead::Ok)
        std::abort();
    const std::size_t taken = std::min(size, flags.size());
    if (std::memcmp(flags.data(), data, taken) != 0)
        std::abort();
    for (std::size_t i = taken; i < flags.size(); ++i)
        if (flags[i] != 0xAA)
            std::abort();

    // The same bytes as a chosen file name: the result names a .ztn file in
    // the same folder.
    const QString chosen = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString name = zt::WithProgressExtension(chosen);
    if (!name.endsWith(QStringLiteral(".ztn")))
        std::abort();
    const qsizetype slash = chosen.lastIndexOf(QLatin1Char('/'));
    if (!name.startsWith(chosen.left(slash + 1)))
        std::abort();
    return 0;
}
