#include "boardaccessible.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>
#include <array>

namespace zt {

namespace {

QString Said(const char* context, const char* english) {
    return QCoreApplication::translate(context, english);
}

QString Said(const char* english) {
    return Said("BoardAccessibility", english);
}

// Assistive technology counts a table's children row by row.
int ChildIndex(Cell cell) {
    return cell.r * Columns + cell.c;
}
Cell CellOfChild(int index) {
    return {index % Columns, index / Columns};
}

class BoardTable;

// A part of the board without parts of its own: a cell, or what was said.
class BoardPart : public QAccessibleInterface {
public:
    explicit BoardPart(BoardTable* table) : table_(table) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    BoardTable* table_;
};

class CellInterface : public BoardPart, public QAccessibleTableCellInterface {
public:
    CellInterface(BoardTable* table, Cell cell) : BoardPart(table), cell_(cell) {}

    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return cell_.c; }
    int rowIndex() const override { return cell_.r; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    Cell cell_;
};

// What was said last: a notification after the cells, shown anew each time.
class AnnouncementInterface : public BoardPart {
public:
    using BoardPart::BoardPart;

    QString text(QAccessible::Text t) const override;
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = text(QAccessible::Name).isEmpty();
        return s;
    }
};

constexpr int AnnouncementIndex = CellCount;

class BoardTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    BoardTable(QWidget* board, BoardAccessibility* access)
        : QAccessibleWidget(board, QAccessible::Table), access_(access) {}
    ~BoardTable() override {
        for (QAccessible::Id id : cells_) {
            if (id) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    BoardAccessibility* Access() const { return access_; }
    QWidget* Board() const { return widget(); }
    bool Framed(Cell cell) const { return access_ && access_->Reading().framedCell() == cell; }
    bool Focused(Cell cell) const { return widget()->hasFocus() && Framed(cell); }

    bool isValid() const override { return access_ && QAccessibleWidget::isValid(); }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(t);
    }
    int childCount() const override { return CellCount + 1; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index > AnnouncementIndex) {
            return nullptr;
        }
        // Made when first asked for, and kept with the table.
        if (!cells_[index]) {
            auto* table = const_cast<BoardTable*>(this);
            cells_[index] = QAccessible::registerAccessibleInterface(
                index == AnnouncementIndex
                    ? static_cast<QAccessibleInterface*>(new AnnouncementInterface(table))
                    : new CellInterface(table, CellOfChild(index)));
        }
        return QAccessible::accessibleInterface(cells_[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child->role() == QAccessible::Notification) {
            return AnnouncementIndex;
        }
        if (const auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface()) {
            if (cell->table() == this) {
                return ChildIndex({cell->columnIndex(), cell->rowIndex()});
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < CellCount; ++i) {
            if (child(i)->rect().contains(x, y)) {
                return child(i);
            }
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        if (!access_ || !widget()->hasFocus()) {
            return nullptr;
        }
        return child(ChildIndex(access_->Reading().framedCell()));
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= Rows || column < 0 || column >= Columns) {
            return nullptr;
        }
        return child(ChildIndex({column, row}));
    }
    // The marked tile's cell is the selected one.
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> marked;
        for (int i = 0; access_ && i < CellCount; ++i) {
            if (access_->Reading().facts(CellOfChild(i)).marked) {
                marked.append(child(i));
            }
        }
        return marked;
    }
    QString columnDescription(int column) const override {
        return Said(QT_TRANSLATE_NOOP("BoardAccessibility", "column %1")).arg(column + 1);
    }
    QString rowDescription(int row) const override {
        return Said(QT_TRANSLATE_NOOP("BoardAccessibility", "row %1")).arg(row + 1);
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Columns; }
    int rowCount() const override { return Rows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    QPointer<BoardAccessibility> access_;
    mutable std::array<QAccessible::Id, CellCount + 1> cells_{};
};

bool BoardPart::isValid() const {
    return table_->isValid();
}
QWindow* BoardPart::window() const {
    return table_->window();
}
QAccessibleInterface* BoardPart::parent() const {
    return table_;
}

QString AnnouncementInterface::text(QAccessible::Text t) const {
    BoardAccessibility* access = table_->Access();
    return access && t == QAccessible::Name ? access->Announcement() : QString();
}

QString CellInterface::text(QAccessible::Text t) const {
    BoardAccessibility* access = table_->Access();
    if (!access) {
        return {};
    }
    return t == QAccessible::Name ? access->CellName(cell_) : QString();
}

QRect CellInterface::rect() const {
    BoardAccessibility* access = table_->Access();
    if (!access) {
        return {};
    }
    const QRect r = access->Reading().cellRect(cell_);
    return {table_->Board()->mapToGlobal(r.topLeft()), r.size()};
}

QAccessible::State CellInterface::state() const {
    QAccessible::State s;
    s.focusable = true;
    s.focused = table_->Focused(cell_);
    s.selectable = true;
    s.selected = isSelected();
    return s;
}

bool CellInterface::isSelected() const {
    BoardAccessibility* access = table_->Access();
    return access && access->Reading().facts(cell_).marked;
}

QAccessibleInterface* BoardFactory(const QString&, QObject* object) {
    if (!object || !object->isWidgetType()) {
        return nullptr;
    }
    auto* access = object->findChild<BoardAccessibility*>(QString(), Qt::FindDirectChildrenOnly);
    return access ? new BoardTable(static_cast<QWidget*>(object), access) : nullptr;
}

} // namespace

BoardAccessibility::BoardAccessibility(QWidget* board, BoardReading reading)
    : QObject(board), reading_(std::move(reading)) {
    static const bool installed = [] {
        QAccessible::installFactory(BoardFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

QWidget* BoardAccessibility::Board() const {
    return static_cast<QWidget*>(parent());
}

QString BoardAccessibility::CellName(Cell cell) const {
    return QString::fromStdString(DescribeCell(reading_.facts(cell), [](const char* w) {
        return Said(CellWordsContext, w).toStdString();
    }));
}

QString BoardAccessibility::KindName(Cell cell) const {
    return Said(CellWordsContext, KindWord(reading_.facts(cell).kind));
}

void BoardAccessibility::FrameMoved() {
    if (!QAccessible::isActive() || !Board()->hasFocus()) {
        return;
    }
    QAccessibleEvent event(Board(), QAccessible::Focus);
    event.setChild(ChildIndex(reading_.framedCell()));
    QAccessible::updateAccessibility(&event);
}

void BoardAccessibility::FocusEntered() {
    // Qt tells of the board's own focus after its focus-in event: the cell
    // comes after that.
    if (QAccessible::isActive()) {
        QMetaObject::invokeMethod(this, &BoardAccessibility::FrameMoved, Qt::QueuedConnection);
    }
}

void BoardAccessibility::Exchanged(Cell from, Cell to, bool fits) {
    if (!QAccessible::isActive()) {
        return;
    }
    // Both cells and their neighbours: whether a road meets changes there.
    for (const Cell cell : {from, to}) {
        for (const Cell step : {Cell{0, 0}, Cell{1, 0}, Cell{-1, 0}, Cell{0, 1}, Cell{0, -1}}) {
            const Cell near{cell.c + step.c, cell.r + step.r};
            if (OnBoard(near)) {
                NameChanged(near);
            }
        }
    }
    // Where each stood before: the marked tile first, which now stands
    // where the second one was.
    QString text =
        Said(QT_TRANSLATE_NOOP("BoardAccessibility",
                               "%1 at column %2, row %3 and %4 at column %5, row %6 changed places"))
            .arg(KindName(to))
            .arg(from.c + 1)
            .arg(from.r + 1)
            .arg(KindName(from))
            .arg(to.c + 1)
            .arg(to.r + 1);
    if (fits) {
        text +=
            QStringLiteral(", ") + Said(QT_TRANSLATE_NOOP("BoardAccessibility", "solved"));
    }
    Announce(text);
}

void BoardAccessibility::Dealt() {
    const bool said = !announcement_.isEmpty();
    announcement_.clear();
    if (!QAccessible::isActive()) {
        return;
    }
    if (said) {
        NotificationEvents({QAccessible::NameChanged, QAccessible::ObjectHide});
    }
    for (int i = 0; i < CellCount; ++i) {
        NameChanged(CellOfChild(i));
    }
}

void BoardAccessibility::Hinted(Cell cell) {
    if (!QAccessible::isActive()) {
        return;
    }
    Announce(Said(QT_TRANSLATE_NOOP("BoardAccessibility", "hint: column %1, row %2, %3"))
                 .arg(cell.c + 1)
                 .arg(cell.r + 1)
                 .arg(CellName(cell)));
}

void BoardAccessibility::DescribeLevel(int level, bool solvedBefore, bool solvedNow) {
    const QString text =
        (solvedNow      ? Said(QT_TRANSLATE_NOOP("BoardAccessibility", "Level %1, solved"))
         : solvedBefore ? Said(QT_TRANSLATE_NOOP("BoardAccessibility", "Level %1, solved before"))
                        : Said(QT_TRANSLATE_NOOP("BoardAccessibility", "Level %1, unsolved")))
            .arg(level);
    // Each change is announced: set only what changed, and leave a hint's
    // description standing until the hint ends.
    if (text != levelDescription_) {
        levelDescription_ = text;
        Board()->setAccessibleDescription(text);
    }
}

void BoardAccessibility::Announce(const QString& text) {
    announcement_ = text;
    // Renamed, then hidden and shown again: a screen reader speaks a
    // notification as it comes into view, and reads its name afresh.
    NotificationEvents({QAccessible::NameChanged, QAccessible::ObjectHide, QAccessible::ObjectShow});
}

void BoardAccessibility::NotificationEvents(std::initializer_list<QAccessible::Event> types) {
    for (const auto type : types) {
        QAccessibleEvent event(Board(), type);
        event.setChild(AnnouncementIndex);
        QAccessible::updateAccessibility(&event);
    }
}

void BoardAccessibility::NameChanged(Cell cell) const {
    QAccessibleEvent event(Board(), QAccessible::NameChanged);
    event.setChild(ChildIndex(cell));
    QAccessible::updateAccessibility(&event);
}

} // namespace zt
