// The per-user settings store. Each call stands alone: nothing is cached and
// every write is on disk when it returns. A value that cannot be read counts
// as missing; a write that fails is simply not written.
#pragma once

#include <QString>

namespace zt {

class TCKIniCtrl {
public:
    // regPath is the key below HKEY_CURRENT_USER on Windows; elsewhere it names
    // the INI file in the user's configuration folder.
    explicit TCKIniCtrl(QString regPath = QStringLiteral("Software\\ZorblyGames\\ZorblyTarnel\\V2"));

    bool ReadFlag(const QString& section, const QString& name, bool def);
    int ReadNumber(const QString& section, const QString& name, int def);
    QString ReadText(const QString& section, const QString& name, const QString& def);
    void WriteFlag(const QString& section, const QString& name, bool value);
    void WriteNumber(const QString& section, const QString& name, int value);
    void WriteText(const QString& section, const QString& name, const QString& value);
    void EraseValue(const QString& section, const QString& name);

    // Where the values live (the INI file's path, or the registry key).
    QString Location() const;

private:
    QString regPath_;
    QString lastSection_ = QStringLiteral("Common");
};

}  // namespace zt
