// Where a top-level window's frame stands. A window manager frames the
// windows it manages and tells how wide the frame is only after the window has
// been mapped; without one there is no frame. The game places its windows by
// their outer rectangle, frame included, so that they stand alike with any
// window manager or with none, from their first showing on.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>

class QWidget;

namespace zt {

// The rectangle of that size centred on around; the division truncates
// toward zero, also for a rectangle larger than around. Every window the
// game centres is centred by this.
QRect CentredRect(QSize size, const QRect& around);

// The frame as the window manager has reported it; null before it has (and
// always without a window manager).
QMargins KnownFrame(const QWidget* window);

// The outer rectangle; guess stands in for a frame not reported yet.
QRect OuterRect(const QWidget* window, QMargins guess = {});

// Moves the frame's top-left corner to topLeft, known frame or not.
void MoveFrameTo(QWidget* window, QPoint topLeft);

// Moves the frame's top-left corner to where(outer size). While the frame is
// not known, guess stands in for it, and once it is known and differs, the
// window is placed again with the real one.
using FramePlace = std::function<QPoint(QSize outerSize)>;
void PlaceFrame(QWidget* window, const FramePlace& where, QMargins guess);

} // namespace zt
