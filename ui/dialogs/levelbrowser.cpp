#include "levelbrowser.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QListView>
#include <QVBoxLayout>

#include "dialogplacement.h"
#include "levelmodel.h"
#include "recordtexts.h"

namespace zt {

namespace {

// Typing digits one after the other goes to the level of that number, as
// typing a name goes to a file in a file list.
class LevelGrid : public QListView {
public:
    explicit LevelGrid(QWidget* parent) : QListView(parent) {}
    std::function<void(int level)> goTo;

    void keyboardSearch(const QString& search) override {
        if (search.size() != 1 || !search.at(0).isDigit())
            return;
        if (!typing_.isValid() || typing_.elapsed() > QApplication::keyboardInputInterval())
            typed_.clear();
        typing_.start();
        typed_ += search;
        goTo(typed_.right(3).toInt());
    }

private:
    QString typed_;
    QElapsedTimer typing_;
};

// Four pictures across: the grid is about as wide as the main window.
constexpr int Across = 4;
constexpr int RowsInSight = 3;

} // namespace

LevelBrowser::LevelBrowser(const Game& game, const Records& records,
                           std::function<render::Pictures()> tiles, QWidget* main)
    : QDialog(main, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      game_(game), records_(records), tiles_(std::move(tiles)), main_(main) {
    setObjectName(QStringLiteral("LevelBrowser"));
    model_ = new LevelListModel(game_, records_, this);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setWordWrap(true);
    unsolvedOnly_ = new QCheckBox(this);
    unsolvedOnly_->setObjectName(QStringLiteral("unsolvedOnly"));
    unsolvedOnly_->setFocusPolicy(Qt::TabFocus);

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
    const QSize cell = view_->itemDelegate()->sizeHint(QStyleOptionViewItem(), {});
    view_->setGridSize(cell);
    view_->setMinimumSize(cell.width() * Across + view_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                              2 * view_->frameWidth() + 4,
                          cell.height() * RowsInSight + 2 * view_->frameWidth());
    grid->goTo = [this](int level) {
        const int row = model_->RowOf(level);
        if (row >= 0) {
            view_->setCurrentIndex(model_->index(row));
            view_->scrollTo(model_->index(row), QAbstractItemView::PositionAtCenter);
        }
    };

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(unsolvedOnly_);
    layout->addWidget(view_, 1);

    connect(view_, &QAbstractItemView::activated, this, &LevelBrowser::Play);
    connect(unsolvedOnly_, &QCheckBox::toggled, this, [this] {
        const QModelIndex current = view_->currentIndex();
        Fill(current.isValid() ? model_->LevelAt(current.row()) : game_.currentLevel());
    });
}

LevelBrowser::~LevelBrowser() = default;

int LevelBrowser::Choose() {
    setWindowTitle(recordtexts::BrowserTitle());
    unsolvedOnly_->setText(recordtexts::UnsolvedOnly());
    summary_->setText(recordtexts::Summary(game_.SolvedCount(), game_.LevelCount(),
                                           records_.AtHintCountCount(), records_.PlayTime()));
    pictures_.SetTiles(tiles_());
    Fill(game_.currentLevel());
    played_ = 0;
    exec();
    return played_;
}

void LevelBrowser::Fill(int chosen) {
    model_->Refresh(unsolvedOnly_->isChecked());
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

} // namespace zt
