#include "levelmodel.h"

#include <QApplication>
#include <QPainter>

#include "recordtexts.h"

namespace zt {

namespace {

constexpr int Margin = 4;
constexpr QChar SolvedMark = u'\u2713';  // check mark
constexpr QChar AtHintMark = u'\u2605';  // star

} // namespace

LevelListModel::LevelListModel(const Game& game, const Records& records, QObject* parent)
    : QAbstractListModel(parent), game_(game), records_(records) {}

void LevelListModel::Refresh(bool unsolvedOnly) {
    beginResetModel();
    levels_.clear();
    for (int n = 1; n <= game_.LevelCount(); ++n) {
        if (!unsolvedOnly || !game_.IsLevelSolved(n))
            levels_.push_back(n);
    }
    endResetModel();
}

int LevelListModel::RowOf(int level) const {
    const auto at = std::lower_bound(levels_.begin(), levels_.end(), level);
    return at != levels_.end() && *at == level ? int(at - levels_.begin()) : -1;
}

int LevelListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(levels_.size());
}

QVariant LevelListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int level = LevelAt(index.row());
    const bool solved = game_.IsLevelSolved(level);
    const std::optional<Solve> best = records_.Best(level);
    switch (role) {
    case Qt::DisplayRole:
        return QString::number(level);
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return recordtexts::LevelText(level, solved, best);
    case LevelRole:
        return level;
    case SolvedRole:
        return solved;
    case WholeRole:
        // A level solved once, even in a game since begun anew, has been seen.
        return solved || best.has_value();
    case RecordRole:
        return best ? recordtexts::SolveLine(*best) : QString();
    case AtHintRole:
        return best && best->AtHintCount();
    case WithHintsRole:
        return best && best->withHints ? recordtexts::Mark(*best) : QString();
    default:
        return {};
    }
}

QSize LevelDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    const QSize picture = LevelPictures::Size();
    return {picture.width() + 44, picture.height() + 3 * option.fontMetrics.height() + 2 * Margin};
}

void LevelDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    if (selected)
        painter->fillRect(option.rect, option.palette.brush(QPalette::Highlight));

    const int level = index.data(LevelListModel::LevelRole).toInt();
    const QRect box = option.rect.adjusted(Margin, Margin, -Margin, -Margin);
    const QSize size = LevelPictures::Size();
    const QRect picture(box.left() + (box.width() - size.width()) / 2, box.top(), size.width(),
                        size.height());
    pictures_.SetRatio(painter->device()->devicePixelRatioF());
    const QImage image = pictures_.Picture(level, game_.Record(level),
                                           index.data(LevelListModel::WholeRole).toBool());
    if (!image.isNull())
        painter->drawImage(picture.topLeft(), image);

    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const int line = option.fontMetrics.height();
    QRect text(box.left(), picture.bottom() + 2, box.width(), line);
    QString title = QString::number(level);
    if (index.data(LevelListModel::SolvedRole).toBool())
        title += QStringLiteral(" ") + SolvedMark;
    if (index.data(LevelListModel::AtHintRole).toBool())
        title += QStringLiteral(" ") + AtHintMark;
    painter->drawText(text, Qt::AlignHCenter | Qt::AlignVCenter, title);
    QFont small = painter->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    painter->setFont(small);
    const QFontMetrics fm(small);
    for (const QString& words : {index.data(LevelListModel::RecordRole).toString(),
                                 index.data(LevelListModel::WithHintsRole).toString()}) {
        text.translate(0, line);
        painter->drawText(text, Qt::AlignHCenter | Qt::AlignVCenter,
                          fm.elidedText(words, Qt::ElideRight, text.width()));
    }
    painter->restore();
}

} // namespace zt
