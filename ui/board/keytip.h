// A line on the bottom rim of the board that names keys a new player would
// not find alone. It covers no cell, takes no click, and goes at the first
// key or click anywhere in the window.
#pragma once

#include <QLabel>

namespace zt {

class InputWatch;

class KeyTip : public QLabel {
    Q_OBJECT
public:
    // board: the widget it stands over; window: where keys and clicks end it.
    KeyTip(QWidget* board, QWidget* window);

    // place: in the board's coordinates.
    void ShowLine(const QString& text, QRect place);
    void Dismiss();

private:
    InputWatch* watch_;
};

} // namespace zt
