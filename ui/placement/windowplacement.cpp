#include "windowplacement.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "framing.h"
#include "settingsstore.h"
#include "outline.h"

namespace zt {

namespace {

// Fields split at commas; a comma at the very end adds no empty field and an
// empty text has none.
QStringList PlacementFields(const QString& text) {
    if (text.isEmpty())
        return {};
    QStringList fields = text.split(QLatin1Char(','));
    if (text.endsWith(QLatin1Char(',')))
        fields.removeLast();
    return fields;
}

QList<QRect> ScreenRects() {
    QList<QRect> rects;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        rects << primary->geometry();
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            rects << screen->geometry();
    return rects;
}

} // namespace

std::optional<WindowPlacement> ParsePlacement(const QString& text) {
    const QStringList fields = PlacementFields(text);
    if (fields.size() != 7 || fields[0] != QLatin1String("200"))
        return std::nullopt;
    // Far beyond any screen counts as unreadable too, and keeps the
    // arithmetic on the rectangle clear of overflow.
    constexpr int Far = 1 << 24;
    int r[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        r[i] = fields[3 + i].toInt(&ok, 10);
        if (!ok || r[i] < -Far || r[i] > Far)
            return std::nullopt;
    }
    WindowPlacement p;
    bool ok = false;
    p.flags = fields[1].toInt(&ok, 10);
    if (!ok)
        p.flags = 0;
    p.showCommand = fields[2].toInt(&ok, 10);
    if (!ok)
        p.showCommand = 1;
    p.normal = QRect(QPoint(r[0], r[1]), QPoint(r[2] - 1, r[3] - 1));
    return p;
}

QString PlacementText(const WindowPlacement& p) {
    const QRect& n = p.normal;
    return QStringLiteral("200,%1,%2,%3,%4,%5,%6")
        .arg(p.flags)
        .arg(p.showCommand)
        .arg(n.left())
        .arg(n.top())
        .arg(qint64(n.left()) + n.width())
        .arg(qint64(n.top()) + n.height());
}

std::optional<QRect> PlacedRect(const WindowPlacement& placement, QSize outerSize,
                                const QList<QRect>& screens) {
    if (screens.isEmpty())
        return std::nullopt;
    QRect rect(placement.normal.topLeft(), outerSize);
    // The screen it mostly lies on; the first (the primary) on a tie, and
    // when it lies on none, e.g. stored on a larger screen.
    const QRect* best = &screens.first();
    qint64 bestArea = 0;
    for (const QRect& screen : screens) {
        const QRect common = screen.intersected(rect);
        const qint64 area = qint64(common.width()) * common.height();
        if (area > bestArea) {
            bestArea = area;
            best = &screen;
        }
    }
    const int screenRight = best->x() + best->width();
    const int screenBottom = best->y() + best->height();
    // A window made smaller since it was left there (a scale this screen no
    // longer takes) is centred on that screen rather than pushed into its
    // corner.
    const bool lowered = outerSize.width() < placement.normal.width() ||
                         outerSize.height() < placement.normal.height();
    if (lowered &&
        (rect.x() + rect.width() > screenRight || rect.y() + rect.height() > screenBottom)) {
        rect.moveCenter(best->center());
        rect.moveLeft(std::max(rect.left(), best->left()));
        rect.moveTop(std::max(rect.top(), best->top()));
        return rect;
    }
    if (rect.x() + rect.width() > screenRight)
        rect.moveLeft(screenRight - rect.width());
    if (rect.y() + rect.height() > screenBottom)
        rect.moveTop(screenBottom - rect.height());
    // Left and top are not pulled back; a window that would stand wholly
    // above or left of every screen could never be seen, and is centred.
    for (const QRect& screen : screens)
        if (screen.intersects(rect))
            return rect;
    return std::nullopt;
}

QRect ExplodeOutline(QPoint pointer, const QRect& target, int step) {
    const double dL = double(target.left() - pointer.x()) / ExplodeSteps;
    const double dT = double(target.top() - pointer.y()) / ExplodeSteps;
    const double dW = double(target.width()) / ExplodeSteps;
    const double dH = double(target.height()) / ExplodeSteps;
    const int x1 = int(std::trunc(pointer.x() + step * dL));
    const int y1 = int(std::trunc(pointer.y() + step * dT));
    const int x2 = int(std::trunc(x1 + step * dW));
    const int y2 = int(std::trunc(y1 + step * dH));
    return QRect(x1, y1, x2 - x1, y2 - y1);
}

bool CanPlaceWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

TCKForm::TCKForm(QWidget* window, TCKIniCtrl* ini, QString section, QString key)
    : QObject(window), window_(window), ini_(ini), section_(std::move(section)),
      key_(std::move(key)) {
    if (window_)
        window_->installEventFilter(this);
    stepTimer_.setTimerType(Qt::PreciseTimer);
    stepTimer_.setInterval(ExplodeStepMs);
    connect(&stepTimer_, &QTimer::timeout, this, &TCKForm::EffectStep);
}

TCKForm::~TCKForm() = default;

void TCKForm::NoteFrame() {
    // Only a shown window in its normal state tells where it stands: a
    // minimised or maximised one may have another frame or none, and a
    // hidden one is handed back by the window manager at its frame's corner.
    if (!window_ || !window_->isVisible() ||
        (window_->windowState() &
         (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    const QMargins frame = KnownFrame(window_);
    if (!frame.isNull())
        frame_ = frame;
    outer_ = OuterRect(window_, frame_);
}

QRect TCKForm::OuterNormalRect() const {
    const Qt::WindowStates state = window_->windowState();
    if (!(state & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))) {
        if (window_->isVisible())
            return OuterRect(window_, frame_);
        if (outer_.isValid())
            return outer_;
    }
    return window_->normalGeometry().marginsAdded(frame_);
}

WindowPlacement TCKForm::CurrentPlacement() const {
    WindowPlacement p;
    if (!window_)
        return p;
    const Qt::WindowStates state = window_->windowState();
    if (state & Qt::WindowMinimized) {
        p.showCommand = 2;
        p.flags = (state & Qt::WindowMaximized) ? 2 : 0;
    } else if (state & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        p.showCommand = 3;
    }
    p.normal = OuterNormalRect();
    return p;
}

void TCKForm::RestorePlacement() {
    if (!window_)
        return;
    const QString text = ini_ ? ini_->ReadText(section_, key_, QString()) : QString();
    // Only the normal position is remembered: a window that is maximised
    // just now stays so.
    if (window_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QList<QRect> screens = ScreenRects();
    if (screens.isEmpty())
        return;
    const std::optional<WindowPlacement> stored = ParsePlacement(text);
    PlaceFrame(
        window_,
        [stored, screens](QSize outerSize) {
            std::optional<QRect> placed;
            if (stored)
                placed = PlacedRect(*stored, outerSize, screens);
            return placed ? placed->topLeft() : CentredRect(outerSize, screens.first()).topLeft();
        },
        frame_);
}

void TCKForm::SavePlacement() {
    // Where the window system places the windows, the position it reports
    // means nothing: what was left from a run that could place them stays.
    if (!window_ || !ini_ || !CanPlaceWindows())
        return;
    NoteFrame();
    ini_->WriteText(section_, key_, PlacementText(CurrentPlacement()));
    ini_->EraseValue(section_, key_ + QStringLiteral("Color"));
    ini_->EraseValue(section_, key_ + QStringLiteral("Font"));
}

void TCKForm::Open() {
    if (!window_ || outline_)
        return;
    // Placed before it is first mapped, so that the window system puts it
    // there at once: that needs the window's handle.
    window_->winId();
    RestorePlacement();
    if (!ExplodeEffect())
        ShowWindow();
}

void TCKForm::ShowWindow() {
    showingNow_ = true;
    if (window_)
        window_->show();
    showingNow_ = false;
    // Placed while hidden, it tells where it stands only now.
    NoteFrame();
}

bool TCKForm::ExplodeEffect() {
    if (!window_ || effect_ == TCKDlgEffect::deNone)
        return false;
    // Outlines are windows too: where they cannot be placed, none is shown.
    if (!CanPlaceWindows())
        return false;
    const QRect target = OuterRect(window_, frame_);
    const QPoint pointer = QCursor::pos();
    QList<QRect> outlines;
    for (int i = 1; i <= ExplodeSteps; ++i)
        outlines << ExplodeOutline(pointer, target, i);
    outline_ = std::make_unique<OutlineWindow>(outlines);
    shownStep_ = 0;
    effectClock_.start();
    EffectStep();
    stepTimer_.start();
    return true;
}

void TCKForm::EffectStep() {
    // Paced by the clock, whatever the machine: both passes take
    // 2 * ExplodeSteps * ExplodeStepMs. A machine too slow to draw every step
    // in time skips to the step that is due; the last one, which leaves
    // nothing behind, is always drawn, and then the window appears.
    const int steps = 2 * ExplodeSteps;
    const int due = int(std::min<qint64>(steps, effectClock_.elapsed() / ExplodeStepMs + 1));
    if (!outline_ || due <= shownStep_)
        return;
    shownStep_ = due;
    outline_->ShowStep(shownStep_);
    if (shownStep_ < steps)
        return;
    stepTimer_.stop();
    outline_.reset();
    ShowWindow();
}

bool TCKForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            NoteFrame();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zt
