// The main window's effects: its remembered position (restored when it is
// opened, saved when it is destroyed), centring when nothing valid is stored,
// and the opening effect of outlines growing from the mouse pointer, after
// which the window appears.
#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>

class QWidget;

namespace zt {

class OutlineWindow;
class TCKIniCtrl;

// "200,flags,show command,left,top,right,bottom"
//
// The rectangle is the window's outer rectangle (frame included) in its
// normal, restored state, with right and bottom exclusive: right - left is the
// width. Show command: 1 normal, 2 minimised, 3 maximised (or full screen).
// Flags: 2 when the window is minimised and comes back maximised, else 0.
struct WindowPlacement {
    int flags = 0;
    int showCommand = 1;
    QRect normal; // left, top, right, bottom as stored (right/bottom exclusive)
};
// Nothing unless there are exactly seven fields, the first "200" and the four
// of the rectangle decimal integers. Flags and show command are not used when
// reading; unreadable ones count as 0 and 1.
std::optional<WindowPlacement> ParsePlacement(const QString& text);
QString PlacementText(const WindowPlacement& placement);

// Where a stored placement puts a window of the given outer size: its stored
// top-left and the present size, pulled back inside the right and bottom
// edges of the screen it mostly lies on, or of the first screen when it lies
// on none (left and top stay as stored). Nothing when it would still lie on
// no screen at all, wholly above or left of them.
std::optional<QRect> PlacedRect(const WindowPlacement& placement, QSize outerSize,
                                const QList<QRect>& screens);

constexpr int ExplodeSteps = 40;
constexpr int ExplodeStepMs = 4;
// Outline step (1..ExplodeSteps) of the opening effect: from the pointer out
// to the window's outer rectangle, which the last step matches.
QRect ExplodeOutline(QPoint pointer, const QRect& target, int step);

// Whether the program may place its own top-level windows: not so as a
// Wayland client, where the compositor puts every window.
bool CanPlaceWindows();

enum class TCKDlgEffect { deNone, deExplode };

class TCKForm : public QObject {
    Q_OBJECT
public:
    TCKForm(QWidget* window, TCKIniCtrl* ini, QString section = QStringLiteral("common"),
            QString key = QStringLiteral("MainForm"));
    ~TCKForm() override;

    // What a request to show the window does: restore the placement, play
    // the opening effect, and show the window when it has ended. A request
    // while the effect plays is the same request. The window's own
    // setVisible(true) hands its requests here unless ShowingNow().
    void Open();
    bool ShowingNow() const { return showingNow_; }

    void RestorePlacement();
    void SavePlacement(); // call when the window goes, before its own clean-up

    void SetEffect(TCKDlgEffect effect) { effect_ = effect; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Starts the outlines; false when none are shown.
    bool ExplodeEffect();
    void EffectStep();
    void ShowWindow();
    WindowPlacement CurrentPlacement() const;
    QRect OuterNormalRect() const;
    void NoteFrame();

    QPointer<QWidget> window_;
    TCKIniCtrl* ini_;
    QString section_;
    QString key_;
    TCKDlgEffect effect_ = TCKDlgEffect::deExplode;
    QMargins frame_; // the frame around the client area, as last seen
    QRect outer_;    // the outer rectangle, as last seen shown in the normal state
    // The opening effect while it plays.
    std::unique_ptr<OutlineWindow> outline_;
    QTimer stepTimer_;
    QElapsedTimer effectClock_;
    int shownStep_ = 0;
    bool showingNow_ = false;
};

} // namespace zt
