// The per-user settings store. It is read once, at the first read or write,
// and kept in memory for the run: the game reads its values at start and
// writes them together at close (BeginUpdate .. EndUpdate). A write outside
// such an update is on disk when it returns. A value that cannot be read
// counts as missing; a write that fails is simply not written.
#pragma once

#include <QHash>
#include <QString>
#include <optional>
#include <vector>

namespace zt {

class TCKIniCtrl {
public:
    // regPath is the key below HKEY_CURRENT_USER on Windows; elsewhere it names
    // the INI file in the user's configuration folder.
    explicit TCKIniCtrl(
        QString regPath = QStringLiteral("Software\\ZorblyGames\\ZorblyTarnel\\V2"));
    ~TCKIniCtrl();
    TCKIniCtrl(const TCKIniCtrl&) = delete;
    TCKIniCtrl& operator=(const TCKIniCtrl&) = delete;
    TCKIniCtrl(TCKIniCtrl&&) noexcept;

    bool ReadFlag(const QString& section, const QString& name, bool def);
    int ReadNumber(const QString& section, const QString& name, int def);
    QString ReadText(const QString& section, const QString& name, const QString& def);
    void WriteFlag(const QString& section, const QString& name, bool value);
    void WriteNumber(const QString& section, const QString& name, int value);
    void WriteText(const QString& section, const QString& name, const QString& value);
    void EraseValue(const QString& section, const QString& name);

    // Where the values live (the INI file's path, or the registry key).
    QString Location() const;
    // Whether the last write or erase reached the store. The game goes on
    // either way; this is for the curious (and the tests).
    bool LastWriteOk() const { return lastWriteOk_; }

    // Writes between these two reach the store together when the second
    // returns: a large store is rewritten once, not once per value.
    // LastWriteOk then tells of them all.
    void BeginUpdate();
    void EndUpdate();

private:
    // An empty section is the one used last; "#ROOT" is the key itself.
    QString KeyFor(const QString& section, const QString& name);
    std::optional<QString> ReadStored(const QString& section, const QString& name);
    // The values as the store held them when first asked, with this store's
    // writes since; empty for a store that cannot be read.
    QHash<QString, QString>& Values();
    // Writes text, or erases the value when there is none.
    bool Store(const QString& section, const QString& name, const std::optional<QString>& text);

    struct Change {
        QString key;
        std::optional<QString> text; // none: erase
    };
    // Applies changes with one rewrite of the store at most.
    bool Apply(const std::vector<Change>& changes) const;
    // Passes ok on; forgets the copy in memory when a write failed.
    bool Written(bool ok);

    QString regPath_;
    std::optional<QHash<QString, QString>> values_;
    bool holding_ = false;
    std::vector<Change> pending_; // the writes since BeginUpdate
    QString lastSection_ = QStringLiteral("Common");
    bool lastWriteOk_ = true;
};

} // namespace zt
