#include "records.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <cmath>

namespace zt {

namespace {

const QString FormatName = QStringLiteral("zorbly-tarnel-records");
constexpr int FormatVersion = 1;
// 500 records take some 40 kB; anything far larger is not ours.
constexpr qint64 MaxFileSize = 4 << 20;
// A day of play for one level is more than anyone spends; a larger number
// is damage, and would overflow the sums.
constexpr double MaxMs = 1e15;

// A whole number within [0, max], or nothing.
std::optional<qint64> Count(const QJsonValue& value, double max) {
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    if (!(d >= 0 && d <= max) || std::floor(d) != d)
        return std::nullopt;
    return qint64(d);
}

} // namespace

Records::Records(QString path) : path_(std::move(path)) {}

QString Records::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/records.json");
}

Records::Opened Records::Open() {
    best_.fill(std::nullopt);
    playedMs_ = 0;
    setAside_.clear();
    const QFileInfo info(path_);
    if (!info.exists() && !info.isSymLink())
        return Opened::Fresh;
    QFile file(path_);
    // Only a plain file of a sensible size is read at all: a pipe or a device
    // would block the game or feed it without end.
    if (info.isFile() && info.size() <= MaxFileSize && file.open(QIODevice::ReadOnly) &&
        Parse(file.read(MaxFileSize + 1)))
        return Opened::Read;
    file.close();
    best_.fill(std::nullopt);
    playedMs_ = 0;
    for (int i = 1; i < 100; ++i) {
        const QString name = path_ + QStringLiteral(".damaged") +
                             (i == 1 ? QString() : QStringLiteral("-%1").arg(i));
        if (QFileInfo::exists(name) || QFileInfo(name).isSymLink())
            continue;
        if (QDir().rename(path_, name)) {
            setAside_ = name;
            return Opened::SetAside;
        }
        break;
    }
    return Opened::Unusable;
}

bool Records::Parse(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return false;
    const QJsonObject root = doc.object();
    if (root.value(QStringLiteral("format")).toString() != FormatName ||
        root.value(QStringLiteral("version")) != QJsonValue(FormatVersion))
        return false;
    const auto played = Count(root.value(QStringLiteral("played")), MaxMs);
    const QJsonValue levels = root.value(QStringLiteral("levels"));
    if (!played || !levels.isArray())
        return false;
    playedMs_ = *played;
    for (const QJsonValue& entry : levels.toArray()) {
        const QJsonObject o = entry.toObject();
        const auto level = Count(o.value(QStringLiteral("level")), MaxLevels);
        const auto swaps = Count(o.value(QStringLiteral("swaps")), 1e9);
        const auto hint = Count(o.value(QStringLiteral("hint")), 1e9);
        const auto ms = Count(o.value(QStringLiteral("ms")), MaxMs);
        const QJsonValue hints = o.value(QStringLiteral("hints"));
        if (!level || *level < 1 || !swaps || !hint || !ms || !hints.isBool() ||
            best_[*level - 1])
            return false;
        best_[*level - 1] = Solve{int(*swaps), int(*hint), *ms, hints.toBool()};
    }
    return true;
}

std::optional<Solve> Records::Best(int level) const {
    if (level < 1 || level > MaxLevels)
        return std::nullopt;
    return best_[level - 1];
}

bool Records::Note(int level, const Solve& solve) {
    if (level < 1 || level > MaxLevels)
        return false;
    std::optional<Solve>& best = best_[level - 1];
    if (!best || (best->withHints && !solve.withHints)) {
        best = solve;
        return true;
    }
    if (solve.withHints && !best->withHints)
        return false;
    const Solve old = *best;
    if (solve.swaps < best->swaps) {
        best->swaps = solve.swaps;
        best->hintCount = solve.hintCount;
    }
    best->ms = std::min(best->ms, solve.ms);
    return *best != old;
}

int Records::AtHintCountCount() const {
    int n = 0;
    for (const auto& best : best_)
        n += best && best->AtHintCount() ? 1 : 0;
    return n;
}

bool Records::Save() const {
    QJsonArray levels;
    for (int i = 0; i < MaxLevels; ++i) {
        if (const auto& best = best_[i]) {
            levels.append(QJsonObject{{QStringLiteral("level"), i + 1},
                                      {QStringLiteral("swaps"), best->swaps},
                                      {QStringLiteral("hint"), best->hintCount},
                                      {QStringLiteral("ms"), double(best->ms)},
                                      {QStringLiteral("hints"), best->withHints}});
        }
    }
    const QJsonObject root{{QStringLiteral("format"), FormatName},
                           {QStringLiteral("version"), FormatVersion},
                           {QStringLiteral("played"), double(playedMs_)},
                           {QStringLiteral("levels"), levels}};
    QDir().mkpath(QFileInfo(path_).path());
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(root).toJson(QJsonDocument::Compact));
    return file.commit();
}

} // namespace zt
