#include "settingsstore.h"

#include <QDir>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

#ifdef Q_OS_WIN
#include <QSettings>
#include <memory>
#else
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include "inifile.h"
#endif

namespace zt {

namespace {

const QString RootSection = QStringLiteral("#ROOT");

#ifndef Q_OS_WIN
// Another writer holds the file for a moment only; one that holds it longer
// costs this write, not the game's close.
constexpr int LockWaitMs = 2000;
#endif

// Elsewhere than Windows the registry path names an INI file: its first part
// below "Software" is the folder, the rest joined by "-" the file name, so
// Software\ZorblyGames\ZorblyTarnel\V2 lives in ZorblyGames/ZorblyTarnel-V2.ini
// of the user's configuration folder. A path that already names an .ini file
// is taken as it stands.
QString IniPathFor(const QString& regPath) {
    if (regPath.endsWith(QLatin1String(".ini"), Qt::CaseInsensitive) &&
        QDir::isAbsolutePath(regPath))
        return regPath;
    QStringList parts = QString(regPath)
                            .replace(QLatin1Char('/'), QLatin1Char('\\'))
                            .split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (!parts.isEmpty() &&
        parts.first().compare(QLatin1String("Software"), Qt::CaseInsensitive) == 0)
        parts.removeFirst();
    QString folder;
    if (parts.size() > 1)
        folder = parts.takeFirst();
    QString name = parts.isEmpty() ? QStringLiteral("settings") : parts.join(QLatin1Char('-'));
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    QString dir = folder.isEmpty() ? base : base + QLatin1Char('/') + folder;
    return dir + QLatin1Char('/') + name + QStringLiteral(".ini");
}

#ifdef Q_OS_WIN
std::unique_ptr<QSettings> OpenRegistry(const QString& regPath) {
    QString key = regPath;
    while (key.endsWith(QLatin1Char('\\')))
        key.chop(1);
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\") + key,
                                       QSettings::NativeFormat);
}
#else
// Only a plain file (or none yet) will do: opening a pipe waits for a writer
// that never comes, and a folder or a device is no settings file. Such a
// store is neither read nor written.
bool PlainOrNone(const QString& path) {
    const QFileInfo info(path);
    return !(info.exists() || info.isSymLink()) || info.isFile();
}

// The file's bytes; empty when there is none yet, nothing when it is there
// but cannot be read.
std::optional<QByteArray> ReadIni(const QString& path) {
    if (!PlainOrNone(path))
        return std::nullopt;
    QFile file(path);
    if (!file.exists())
        return QByteArray();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// The new contents take the old file's place only once they are all on the
// disk: a full disk leaves the old file as it was.
bool WriteWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Qt's commit puts the file in place even when the bytes it still held
    // failed to reach the disk as it closed it: those are written here, and
    // a failure seen.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
#endif

// A stored value as the text it holds. An INI value with unquoted commas comes
// back as a list; it was one text when it was written.
std::optional<QString> StoredText(const QVariant& value) {
    if (!value.isValid())
        return std::nullopt;
    QString text;
    if (value.typeId() == QMetaType::QStringList)
        text = value.toStringList().join(QLatin1Char(','));
    else if (value.canConvert<QString>())
        text = value.toString();
    else
        return std::nullopt;
    // A text ends at its first zero character, as the registry's strings do.
    qsizetype zero = text.indexOf(QChar(0));
    if (zero >= 0)
        text.truncate(zero);
    return text;
}

} // namespace

TCKIniCtrl::TCKIniCtrl(QString regPath) : regPath_(std::move(regPath)) {}
TCKIniCtrl::~TCKIniCtrl() = default;
TCKIniCtrl::TCKIniCtrl(TCKIniCtrl&&) noexcept = default;

QString TCKIniCtrl::Location() const {
#ifdef Q_OS_WIN
    return QStringLiteral("HKEY_CURRENT_USER\\") + regPath_;
#else
    return IniPathFor(regPath_);
#endif
}

QString TCKIniCtrl::KeyFor(const QString& section, const QString& name) {
    QString group = section;
    if (group.isEmpty())
        group = lastSection_;
    else
        lastSection_ = group;
    if (group == RootSection)
        return name;
    return group + QLatin1Char('/') + name;
}

QHash<QString, QString>& TCKIniCtrl::Values() {
    if (!values_) {
        values_.emplace();
#ifdef Q_OS_WIN
        const auto store = OpenRegistry(regPath_);
        if (store->status() != QSettings::AccessError) {
            const QStringList keys = store->allKeys();
            for (const QString& key : keys)
                if (std::optional<QString> text = StoredText(store->value(key)))
                    values_->insert(key, *text);
        }
#else
        if (const std::optional<QByteArray> file = ReadIni(IniPathFor(regPath_))) {
            const ini::Values values = ini::Read(*file);
            for (auto it = values.cbegin(); it != values.cend(); ++it)
                if (std::optional<QString> text = StoredText(ini::Typed(it.value())))
                    values_->insert(it.key(), *text);
        }
#endif
    }
    return *values_;
}

std::optional<QString> TCKIniCtrl::ReadStored(const QString& section, const QString& name) {
    const QString key = KeyFor(section, name);
    const QHash<QString, QString>& values = Values();
    const auto found = values.constFind(key);
    if (found == values.cend())
        return std::nullopt;
    return *found;
}

bool TCKIniCtrl::Apply(const std::vector<Change>& changes) const {
#ifdef Q_OS_WIN
    const auto store = OpenRegistry(regPath_);
    if (store->status() == QSettings::AccessError || !store->isWritable())
        return false;
    for (const Change& change : changes) {
        if (change.text)
            store->setValue(change.key, *change.text);
        else
            store->remove(change.key);
    }
    store->sync();
    return store->status() != QSettings::AccessError;
#else
    const QString path = IniPathFor(regPath_);
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    // Read, changed and written again by one writer at a time: another run's
    // (or another program's) values written meanwhile stay.
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(LockWaitMs))
        return false;
    const std::optional<QByteArray> file = ReadIni(path);
    if (!file)
        return false; // what cannot be read is not written over
    ini::Values values = ini::Read(*file);
    bool changed = false;
    for (const Change& change : changes) {
        if (change.text)
            values.insert(change.key, ini::FromText(*change.text));
        else if (values.remove(change.key) == 0)
            continue;
        changed = true;
    }
    if (!changed)
        return true; // nothing to erase: no write, no error
    return WriteWhole(path, ini::Write(values));
#endif
}

bool TCKIniCtrl::Store(const QString& section, const QString& name,
                       const std::optional<QString>& text) {
    Change change{KeyFor(section, name), text};
    // Read before the first write, so that the copy holds the rest.
    QHash<QString, QString>& values = Values();
    if (text)
        values.insert(change.key, *text);
    else
        values.remove(change.key);
    if (holding_) {
        pending_.push_back(std::move(change));
        return true; // written with the others at EndUpdate
    }
    return Written(Apply({std::move(change)}));
}

bool TCKIniCtrl::Written(bool ok) {
    // What did not reach the store is not kept either: the next read asks
    // the store again.
    if (!ok)
        values_.reset();
    return ok;
}

void TCKIniCtrl::BeginUpdate() {
    holding_ = true;
}

void TCKIniCtrl::EndUpdate() {
    if (!holding_)
        return;
    holding_ = false;
    const std::vector<Change> changes = std::move(pending_);
    pending_.clear();
    lastWriteOk_ = Written(Apply(changes));
}

bool TCKIniCtrl::ReadFlag(const QString& section, const QString& name, bool def) {
    return ReadNumber(section, name, def ? 1 : 0) != 0;
}

int TCKIniCtrl::ReadNumber(const QString& section, const QString& name, int def) {
    const std::optional<QString> text = ReadStored(section, name);
    if (!text)
        return def;
    bool ok = false;
    const int value = text->trimmed().toInt(&ok, 10);
    return ok ? value : def;
}

QString TCKIniCtrl::ReadText(const QString& section, const QString& name, const QString& def) {
    return ReadStored(section, name).value_or(def);
}

void TCKIniCtrl::WriteFlag(const QString& section, const QString& name, bool value) {
    WriteText(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TCKIniCtrl::WriteNumber(const QString& section, const QString& name, int value) {
    WriteText(section, name, QString::number(value));
}

void TCKIniCtrl::WriteText(const QString& section, const QString& name, const QString& value) {
    lastWriteOk_ = Store(section, name, value);
}

void TCKIniCtrl::EraseValue(const QString& section, const QString& name) {
    lastWriteOk_ = Store(section, name, std::nullopt);
}

} // namespace zt
