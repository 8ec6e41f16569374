#include "levelmodel.h"

#include <QApplication>
#include <QPainter>

#include "difficultyfigure.h"
#include "recordtexts.h"

namespace zt {

namespace {

constexpr int Margin = 4;
constexpr QChar SolvedMark = u'\u2713';  // check mark
constexpr QChar AtHintMark = u'\u2605';  // star
constexpr QChar FullMark = u'\u25cf';    // black circle
constexpr QChar EmptyMark = u'\u25cb';   // white circle

int Marks(const LevelRecord& record) {
    return DifficultyMarks(DifficultyFigure(record));
}

} // namespace

LevelListModel::LevelListModel(const Game& game, const Records& records, QObject* parent)
    : QAbstractListModel(parent), game_(game), records_(records) {}

void LevelListModel::Refresh(bool unsolvedOnly, int also) {
    beginResetModel();
    levels_.clear();
    for (int n = 1; n <= game_.LevelCount(); ++n) {
        if (!unsolvedOnly || !game_.IsLevelSolved(n) || n == also)
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
        return recordtexts::LevelText(level, solved, Marks(game_.Record(level)), best);
    case LevelRole:
        return level;
    case SolvedRole:
        return solved;
    case WholeRole:
        // Only the game in play counts: the records also keep the solves of
        // games begun anew since, and a fresh game hides those again.
        return solved;
    case MarksRole:
        return Marks(game_.Record(level));
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

QSize LevelDelegate::ItemSize(const QFontMetrics& fm, QSize picture) {
    // Room beside the picture for the title line at its longest.
    const QString widest = QStringLiteral("500 ") + SolvedMark + QStringLiteral(" ") + AtHintMark +
                           QStringLiteral("  ") + QString(MostDifficultyMarks, FullMark);
    return {std::max(picture.width(), fm.horizontalAdvance(widest)) + 2 * Margin + 2 * fm.height(),
            picture.height() + 3 * fm.height() + 2 * Margin};
}

QSize LevelDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return ItemSize(option.fontMetrics, pictures_.Size());
}

void LevelDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    if (selected)
        painter->fillRect(option.rect, option.palette.brush(QPalette::Highlight));

    const int level = index.data(LevelListModel::LevelRole).toInt();
    const QRect box = option.rect.adjusted(Margin, Margin, -Margin, -Margin);
    const QSize size = pictures_.Size();
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
    const int marks = index.data(LevelListModel::MarksRole).toInt();
    title += QStringLiteral("  ") + QString(marks, FullMark) +
             QString(MostDifficultyMarks - marks, EmptyMark);
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
