#include "inictrl.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
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

QSettings* TCKIniCtrl::Open(std::unique_ptr<QSettings>& fresh) const {
    if (held_)
        return held_.get();
    fresh = OpenStore(regPath_);
    return fresh.get();
}

std::optional<QString> TCKIniCtrl::ReadStored(const QString& section, const QString& name) {
    const QString key = KeyFor(section, name);
    std::unique_ptr<QSettings> fresh;
    QSettings* store = Open(fresh);
    if (!store || !Readable(*store))
        return std::nullopt;
    return StoredText(store->value(key));
}

bool TCKIniCtrl::Store(const QString& section, const QString& name,
                       const std::optional<QString>& text) {
    const QString key = KeyFor(section, name);
    std::unique_ptr<QSettings> fresh;
    QSettings* store = Open(fresh);
    if (!store || !Readable(*store) || !store->isWritable())
        return false;
    if (text)
        store->setValue(key, *text);
    else if (store->contains(key))
        store->remove(key);
    else
        return true; // nothing to erase: no write, no error
    if (store == held_.get())
        return true; // written with the others at EndUpdate
    store->sync();
    return Readable(*store);
}

void TCKIniCtrl::BeginUpdate() {
    if (held_)
        return;
    held_ = OpenStore(regPath_);
    heldOk_ = true;
}

void TCKIniCtrl::EndUpdate() {
    if (!held_)
        return;
    held_->sync();
    // Every write that went into the held store failed or succeeded with it.
    lastWriteOk_ = heldOk_ && Readable(*held_);
    held_.reset();
}

void TCKIniCtrl::RemoveLeftovers() const {
#ifndef Q_OS_WIN
    // A write goes to "<file>.XXXXXX" first and is then renamed over the
    // file; a write cut short leaves that name behind. Another writer of
    // this store holds its lock while it writes, so with the lock in hand
    // every such file is a leftover.
    const QFileInfo ini(IniPathFor(regPath_));
    QDir folder = ini.dir();
    static const QRegularExpression pattern(QStringLiteral("^\\.[A-Za-z0-9]{6}$"));
    QStringList leftovers;
    const QStringList candidates = folder.entryList(
        {ini.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : candidates) {
        const QFileInfo info(folder.filePath(name));
        if (!info.isSymLink() && info.isFile() &&
            pattern.match(name.mid(ini.fileName().size())).hasMatch())
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
    heldOk_ = heldOk_ && lastWriteOk_;
}

void TCKIniCtrl::EraseValue(const QString& section, const QString& name) {
    lastWriteOk_ = Store(section, name, std::nullopt);
    heldOk_ = heldOk_ && lastWriteOk_;
}

} // namespace zt
