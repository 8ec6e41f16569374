// The board for a screen reader: what the table of cells reads of the game,
// and the engine's moves handed on to it.
#include "boardaccessible.h"
#include "mainform.h"
#include "paintbox.h"

namespace zt {

void TMainForm::AttachBoardAccessibility() {
    BoardReading reading;
    reading.facts = [this](Cell cell) {
        std::optional<Cell> marked;
        if (game_.hasSelection()) {
            marked = Cell{game_.selCol(), game_.selRow()};
        }
        return FactsOf(game_.board(), cell, marked);
    };
    reading.framedCell = [this] { return Cell{frame_.Col(), frame_.Row()}; };
    reading.cellRect = [this](Cell cell) {
        const qreal zoom = scale_;
        const QPoint at = render::CellOrigin(cell.c, cell.r);
        return QRectF(at.x() * zoom, at.y() * zoom, render::CellSize * zoom,
                      render::CellSize * zoom)
            .toRect();
    };
    // Before anything asks for the board's interface, which Qt keeps once made.
    boardAccess_ = new BoardAccessibility(box, std::move(reading));
    frame_.onMoved = [this] { boardAccess_->FrameMoved(); };
}

} // namespace zt
