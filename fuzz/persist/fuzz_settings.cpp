// Settings files of any content, and any stored window placement text.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>

#include "windowplacement.h"
#include "settingsstore.h"

namespace {

const QString Missing = QStringLiteral("\x01missing");

// What the store makes of a value QSettings read.
QString TextOf(const QVariant& value) {
    QString text;
    if (!value.isValid())
        return Missing;
    if (value.typeId() == QMetaType::QStringList)
        text = value.toStringList().join(QLatin1Char(','));
    else if (value.canConvert<QString>())
        text = value.toString();
    else
        return Missing;
    return text.left(text.indexOf(QChar(0)));
}

} // namespace

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
    // Every value reads as QSettings reads it, which earlier versions of the
    // game read the file with. A file of its own: QSettings keeps what it
    // parsed of one while its time and size stay.
    {
        static int run = 0;
        const QString theirs = home.filePath(QStringLiteral("theirs-%1.ini").arg(++run));
        QFile::copy(ini.Location(), theirs);
        QSettings qt(theirs, QSettings::IniFormat);
        for (const char* key : {"sound", "level", "tongue", "save", "MainForm"}) {
            const QString name = QString::fromLatin1(key);
            if (ini.ReadText(QStringLiteral("common"), name, Missing) !=
                TextOf(qt.value(QStringLiteral("common/") + name)))
                std::abort();
        }
        QFile::remove(theirs);
    }
    const QString stored =
        ini.ReadText(QStringLiteral("common"), QStringLiteral("MainForm"), QString());
    // Whatever was there, a write must read back as written.
    ini.WriteText(QStringLiteral("common"), QStringLiteral("MainForm"), stored);
    // A plain file in a folder of ours can always be written. Read back by a
    // store of its own: this one answers from memory.
    if (!ini.LastWriteOk() ||
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
