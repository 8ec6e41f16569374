#include "inictrl.h"

#include <QDir>
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

std::unique_ptr<QSettings> OpenStore(const QString& regPath) {
#ifdef Q_OS_WIN
    QString key = regPath;
    while (key.endsWith(QLatin1Char('\\')))
        key.chop(1);
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\") + key,
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(IniPathFor(regPath), QSettings::IniFormat);
#endif
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

std::optional<QString> TCKIniCtrl::ReadStored(const QString& section, const QString& name) {
    const QString key = KeyFor(section, name);
    auto store = OpenStore(regPath_);
    if (store->status() != QSettings::NoError)
        return std::nullopt;
    return StoredText(store->value(key));
}

bool TCKIniCtrl::Store(const QString& section, const QString& name,
                       const std::optional<QString>& text) {
    const QString key = KeyFor(section, name);
    auto store = OpenStore(regPath_);
    if (store->status() != QSettings::NoError || !store->isWritable())
        return false;
    if (text)
        store->setValue(key, *text);
    else if (store->contains(key))
        store->remove(key);
    else
        return true; // nothing to erase: no write, no error
    store->sync();
    return store->status() == QSettings::NoError;
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
    lastWriteOk_ = Store(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TCKIniCtrl::WriteNumber(const QString& section, const QString& name, int value) {
    lastWriteOk_ = Store(section, name, QString::number(value));
}

void TCKIniCtrl::WriteText(const QString& section, const QString& name, const QString& value) {
    lastWriteOk_ = Store(section, name, value);
}

void TCKIniCtrl::EraseValue(const QString& section, const QString& name) {
    lastWriteOk_ = Store(section, name, std::nullopt);
}

} // namespace zt
