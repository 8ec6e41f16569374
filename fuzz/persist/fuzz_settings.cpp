// Settings files of any content, and any stored window placement text.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "windowplacement.h"
#include "settingsstore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir home;
    static const bool ready = [] {
        qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
        return QDir().mkpath(home.filePath(QStringLiteral("ZorblyGames")));
    }();
    if (!ready)
        return 0;
    zt::TCKIniCtrl ini;
    {
        QFile file(ini.Location());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    ini.ReadFlag(QStringLiteral("common"), QStringLiteral("sound"), true);
    ini.ReadNumber(QStringLiteral("common"), QStringLiteral("level"), 1);
    ini.ReadNumber(QStringLiteral("common"), QStringLiteral("tongue"), -1);
    ini.ReadText(QStringLiteral("common"), QStringLiteral("save"), QString());
    const QString stored =
        ini.ReadText(QStringLiteral("common"), QStringLiteral("MainForm"), QString());
    // Whatever was there, a write must read back as written.
    ini.WriteText(QStringLiteral("common"), QStringLiteral("MainForm"), stored);
    // Read back by a store of its own: this one answers from memory.
    if (ini.LastWriteOk() &&
        zt::TCKIniCtrl().ReadText(QStringLiteral("common"), QStringLiteral("MainForm"),
                                  QString()) != stored)
        std::abort();

    // The values of a close, written together into whatever else the file
    // holds, read back as written; the first value read before stays.
    const int tongue = ini.ReadNumber(QStringLiteral("common"), QStringLiteral("tongue"), -1);
    ini.BeginUpdate();
    ini.WriteNumber(QStringLiteral("common"), QStringLiteral("level"), 7);
    ini.WriteText(QStringLiteral("common"), QStringLiteral("save"), QStringLiteral("/g/a,b.ztn"));
    ini.EraseValue(QStringLiteral("common"), QStringLiteral("MainFormColor"));
    ini.EndUpdate();
    zt::TCKIniCtrl again;
    if (ini.LastWriteOk() &&
        (again.ReadNumber(QStringLiteral("common"), QStringLiteral("level"), 1) != 7 ||
         again.ReadText(QStringLiteral("common"), QStringLiteral("save"), QString()) !=
             QStringLiteral("/g/a,b.ztn") ||
         again.ReadNumber(QStringLiteral("common"), QStringLiteral("tongue"), -1) != tongue ||
         !again.ReadText(QStringLiteral("common"), QStringLiteral("MainFormColor"), QString())
              .isEmpty()))
        std::abort();

    // The bytes as a placement text: a valid one survives writing it again.
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    if (const std::optional<zt::WindowPlacement> p = zt::ParsePlacement(text)) {
        const std::optional<zt::WindowPlacement> again = zt::ParsePlacement(zt::PlacementText(*p));
        if (!again || again->normal != p->normal)
            std::abort();
        zt::PlacedRect(*p, QSize(526, 461), {QRect(0, 0, 640, 480)});
    }
    return 0;
}
