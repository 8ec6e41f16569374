// Records files of any content: read as records, or set aside whole; what is
// read is written back and read again the same.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdlib>

#include "records.h"

namespace {

// One scratch folder per process, gone when the process ends.
struct Scratch {
    QString dir = QDir::tempPath() +
                  QStringLiteral("/fuzz-records-%1").arg(QCoreApplication::applicationPid());
    Scratch() { QDir().mkpath(dir); }
    ~Scratch() { QDir(dir).removeRecursively(); }
} scratch;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = scratch.dir + QStringLiteral("/records.json");
    QFile::remove(path + QStringLiteral(".damaged"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    zt::Records records(path);
    switch (records.Open()) {
    case zt::Records::Opened::Read: {
        if (!records.Save())
            std::abort();
        zt::Records again(path);
        if (again.Open() != zt::Records::Opened::Read || again.PlayTime() != records.PlayTime())
            std::abort();
        for (int n = 1; n <= zt::MaxLevels; ++n)
            if (again.Best(n) != records.Best(n))
                std::abort();
        break;
    }
    case zt::Records::Opened::SetAside:
        // Moved whole, and nothing kept of it.
        if (QFile::exists(path) || QFile(path + QStringLiteral(".damaged")).size() != qint64(size) ||
            records.PlayTime() != 0 || records.Best(1))
            std::abort();
        break;
    default:
        std::abort();
    }
    return 0;
}
