#include "levelbrowser.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QVBoxLayout>

#include "dialogplacement.h"
#include "layout.h"
#include "levelmodel.h"
#include "recordtexts.h"
#include "settingsstore.h"

namespace zt {

namespace {

// Typing digits one after the other goes to the level of that number, as
// typing a name goes to a file in a file list.
class LevelGrid : public QListView {
public:
    explicit LevelGrid(QWidget* parent) : QListView(parent) {}
    std::function<void(int level)> goTo;
    std::function<void()> resized;

    void keyboardSearch(const QString& search) override {
        if (search.size() != 1 || !search.at(0).isDigit())
            return;
        if (!typing_.isValid() || typing_.elapsed() > QApplication::keyboardInputInterval())
            typed_.clear();
        typing_.start();
        typed_ += search;
        goTo(typed_.right(3).toInt());
    }

protected:
    // A number typed at the last opening is not carried into this one.
    void showEvent(QShowEvent* event) override {
        typed_.clear();
        QListView::showEvent(event);
    }
    void resizeEvent(QResizeEvent* event) override {
        resized();
        QListView::resizeEvent(event);
    }

private:
    QString typed_;
    QElapsedTimer typing_;
};

// Four pictures across: the grid is about as wide as the main window.
constexpr int Across = 4;
constexpr int RowsInSight = 3;

// The player's choice of unsolved levels only, for the next start too.
const QString Section = QStringLiteral("browser");
const QString UnsolvedKey = QStringLiteral("unsolved");

} // namespace

LevelBrowser::LevelBrowser(const Game& game, const Records& records,
                           std::function<render::Pictures()> tiles, TCKIniCtrl* settings,
                           QWidget* main)
    : QDialog(main, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      game_(game), records_(records), tiles_(std::move(tiles)), settings_(settings), main_(main), baseFont_(font()) {
    setObjectName(QStringLiteral("LevelBrowser"));
    model_ = new LevelListModel(game_, records_, this);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setWordWrap(true);
    unsolvedOnly_ = new QCheckBox(this);
    unsolvedOnly_->setObjectName(QStringLiteral("unsolvedOnly"));
    unsolvedOnly_->setFocusPolicy(Qt::TabFocus);
    unsolvedOnly_->setChecked(settings_ && settings_->ReadFlag(Section, UnsolvedKey, false));

    auto* grid = new LevelGrid(this);
    view_ = grid;
    view_->setObjectName(QStringLiteral("levels"));
    view_->setViewMode(QListView::IconMode);
    view_->setMovement(QListView::Static);
    view_->setResizeMode(QListView::Adjust);
    view_->setWrapping(true);
    view_->setUniformItemSizes(true);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setItemDelegate(new LevelDelegate(game_, pictures_, view_));
    view_->setModel(model_);
    grid->goTo = [this](int level) { GoTo(level); };
    grid->resized = [this] { FitPictures(); };

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(unsolvedOnly_);
    layout->addWidget(view_, 1);

    connect(view_, &QAbstractItemView::activated, this, &LevelBrowser::Play);
    connect(unsolvedOnly_, &QCheckBox::toggled, this, [this](bool only) {
        if (settings_)
            settings_->WriteFlag(Section, UnsolvedKey, only);
        const QModelIndex current = view_->currentIndex();
        const int chosen =
            current.isValid() ? model_->LevelAt(current.row()) : game_.currentLevel();
        shownAnyway_ = 0;
        ShowSummary();
        Fill(chosen);
    });
}

LevelBrowser::~LevelBrowser() = default;

int LevelBrowser::Choose() {
    ApplyScale(WindowScale());
    setWindowTitle(recordtexts::BrowserTitle());
    view_->setAccessibleName(recordtexts::BrowserTitle());
    unsolvedOnly_->setText(recordtexts::UnsolvedOnly());
    shownAnyway_ = 0;
    ShowSummary();
    pictures_.SetTiles(tiles_());
    Fill(game_.currentLevel());
    played_ = 0;
    exec();
    return played_;
}

void LevelBrowser::ApplyScale(qreal scale) {
    if (scale == scaled_)
        return;
    scaled_ = scale;
    setFont(ScaledFont(baseFont_, scale));
    // The style draws the box at its own size whatever the font: it grows too.
    const int box = style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, unsolvedOnly_);
    unsolvedOnly_->setStyleSheet(
        scale == 1 ? QString()
                   : QStringLiteral("QCheckBox::indicator { width: %1px; height: %1px; }")
                         .arg(qRound(box * scale)));
    const QSize smallest = ItemSize(0);
    view_->setMinimumSize(smallest.width() * Across +
                              view_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                              2 * view_->frameWidth() + 4,
                          smallest.height() * RowsInSight + 2 * view_->frameWidth());
    UsePictureSize(0);
    // Opens at its smallest for the scale; a size the player gave it stays
    // while the scale does.
    adjustSize();
    resize(minimumSizeHint());
}

QSize LevelBrowser::ItemSize(int size) const {
    const int side = LevelPictures::Side(size, scaled_);
    return LevelDelegate::ItemSize(view_->fontMetrics(), {Columns * side, Rows * side});
}

void LevelBrowser::FitPictures() {
    if (scaled_ == 0)
        return;
    // The room across as the smallest size reckons it, scroll bar or not:
    // the pictures do not change size as a scroll bar comes and goes.
    const int room = view_->width() - view_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) -
                     2 * view_->frameWidth() - 4;
    int size = 0;
    while (size + 1 < LevelPictures::SizeCount && ItemSize(size + 1).width() * Across <= room)
        ++size;
    if (size != size_)
        UsePictureSize(size);
}

void LevelBrowser::UsePictureSize(int size) {
    size_ = size;
    pictures_.SetSide(LevelPictures::Side(size, scaled_));
    view_->setGridSize(ItemSize(size));
    if (view_->currentIndex().isValid())
        view_->scrollTo(view_->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void LevelBrowser::Fill(int chosen) {
    model_->Refresh(unsolvedOnly_->isChecked(), shownAnyway_);
    int row = model_->RowOf(chosen);
    if (row < 0) {
        // The first shown after it, or the last.
        for (row = 0; row < model_->rowCount() - 1 && model_->LevelAt(row) < chosen; ++row) {
        }
    }
    if (row >= 0 && row < model_->rowCount()) {
        view_->setCurrentIndex(model_->index(row));
        view_->scrollTo(model_->index(row), QAbstractItemView::PositionAtCenter);
    }
}

void LevelBrowser::GoTo(int level) {
    if (level < 1 || level > game_.LevelCount())
        return;
    const int hidden = unsolvedOnly_->isChecked() && game_.IsLevelSolved(level) ? level : 0;
    if (hidden != shownAnyway_) {
        shownAnyway_ = hidden;
        ShowSummary();
        model_->Refresh(unsolvedOnly_->isChecked(), shownAnyway_);
    }
    const QModelIndex index = model_->index(model_->RowOf(level));
    view_->setCurrentIndex(index);
    view_->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void LevelBrowser::ShowSummary() {
    QString text = recordtexts::Summary(game_.SolvedCount(), game_.LevelCount(),
                                        records_.AtHintCountCount(), records_.PlayTime());
    if (shownAnyway_)
        text += QLatin1Char('\n') + recordtexts::ShownAnyway(shownAnyway_);
    summary_->setText(text);
}

void LevelBrowser::Play(const QModelIndex& index) {
    if (!index.isValid())
        return;
    played_ = model_->LevelAt(index.row());
    accept();
}

void LevelBrowser::showEvent(QShowEvent* event) {
    PlaceOver(this, main_);
    view_->setFocus();
    QDialog::showEvent(event);
    // Only now is the grid laid out at its size.
    view_->scrollTo(view_->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void LevelBrowser::hideEvent(QHideEvent* event) {
    // A screen reader reads the current item as focused: closed, the
    // browser leaves none behind. The next opening chooses one again.
    view_->selectionModel()->clearCurrentIndex();
    QDialog::hideEvent(event);
}

} // namespace zt
