#include "settingsstore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>
#include <QVariant>
#include <memory>

namespace zt {

namespace {

const QString RootSection = QStringLiteral("#ROOT");

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

// The store, or none when it cannot be used at all. Elsewhere than Windows
// only a plain file (or none yet) will do: opening a pipe waits for a writer
// that never comes, and a folder or a device is no settings file. Such a store
// is neither read nor written.
std::unique_ptr<QSettings> OpenStore(const QString& regPath) {
#ifdef Q_OS_WIN
    QString key = regPath;
    while (key.endsWith(QLatin1Char('\\')))
        key.chop(1);
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\") + key,
                                       QSettings::NativeFormat);
#else
    const QString path = IniPathFor(regPath);
    const QFileInfo info(path);
    if ((info.exists() || info.isSymLink()) && !info.isFile())
        return nullptr;
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
#endif
}

// A line the INI reader cannot make sense of sets a format error, but only
// for the one store that read the file first; the values it could read are
// all there. Only a store that could not be read at all is refused.
bool Readable(const QSettings& store) {
    return store.status() != QSettings::AccessError;
}

#ifndef Q_OS_WIN
// Qt writes an INI file through a buffered save file, and a flush that fails
// as that file closes still puts the cut file in place of the old one: a full
// disk would cost the player every setting. So the store's next contents are
// first written beside it and read back; only when every value comes back
// whole is the store itself written.
bool WritesWhole(const QString& path, const QVariantMap& values) {
    QTemporaryFile trial(path + QStringLiteral(".XXXXXX"));
    if (!trial.open())
        return false;
    trial.close();
    {
        // Written as it closes; what fails shows in the reading back.
        QSettings written(trial.fileName(), QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            written.setValue(it.key(), it.value());
    }
    // Qt keeps a file it parsed while its time and size stay: another time
    // makes it read the trial from the disk.
    QFile file(trial.fileName());
    if (!file.open(QIODevice::ReadWrite) ||
        !file.setFileTime(QDateTime::fromSecsSinceEpoch(1), QFileDevice::FileModificationTime))
        return false;
    file.close();
    const QSettings back(trial.fileName(), QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        if (back.value(it.key()) != it.value())
            return false;
    return true;
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
        auto store = OpenStore(regPath_);
        if (store && Readable(*store)) {
            const QStringList keys = store->allKeys();
            for (const QString& key : keys)
                if (std::optional<QString> text = StoredText(store->value(key)))
                    values_->insert(key, *text);
        }
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
    auto store = OpenStore(regPath_);
    if (!store || !Readable(*store) || !store->isWritable())
        return false;
    bool changed = false;
    for (const Change& change : changes)
        changed = changed || change.text || store->contains(change.key);
    if (!changed)
        return true; // nothing to erase: no write, no error
#ifndef Q_OS_WIN
    QVariantMap after;
    for (const QString& key : store->allKeys())
        if (const QVariant value = store->value(key); value.isValid())
            after.insert(key, value);
    for (const Change& change : changes) {
        if (change.text)
            after.insert(change.key, *change.text);
        else
            after.remove(change.key);
    }
    if (!WritesWhole(store->fileName(), after))
        return false;
#endif
    for (const Change& change : changes) {
        if (change.text)
            store->setValue(change.key, *change.text);
        else
            store->remove(change.key);
    }
    store->sync();
    return Readable(*store);
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

void TCKIniCtrl::RemoveLeftovers() const {
#ifndef Q_OS_WIN
    // A write goes to "<file>.XXXXXX" first and is then renamed over the
    // file; a write cut short leaves that name behind. Another writer of
    // this store holds its lock while it writes, so with the lock in hand
    // every such file is a leftover.
    const QFileInfo ini(IniPathFor(regPath_));
    QDir folder = ini.dir();
    // "<file>." and six letters or digits. The folder is listed without a
    // name filter: QDir turns one into a regular expression.
    const QString prefix = ini.fileName() + QLatin1Char('.');
    auto leftoverName = [&prefix](const QString& name) {
        if (name.size() != prefix.size() + 6 || !name.startsWith(prefix))
            return false;
        for (QChar c : QStringView(name).mid(prefix.size()))
            if (!(c.unicode() < 128 && c.isLetterOrNumber()))
                return false;
        return true;
    };
    QStringList leftovers;
    const QStringList candidates =
        folder.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QString& name : candidates) {
        if (!leftoverName(name))
            continue;
        const QFileInfo info(folder.filePath(name));
        if (!info.isSymLink() && info.isFile())
            leftovers << name;
    }
    if (leftovers.isEmpty())
        return;
    QLockFile lock(ini.filePath() + QStringLiteral(".lock"));
    if (!lock.tryLock(0))
        return;
    for (const QString& name : leftovers)
        folder.remove(name);
#endif
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
