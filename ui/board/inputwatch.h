// Sees the player's next key or click anywhere in one window, whatever has
// the focus, and lets it go on to where it was going. The window's own
// widgets are watched, not the whole application.
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace zt {

class InputWatch : public QObject {
public:
    InputWatch(QWidget* window, std::function<void()> seen);

    // From now until the next key or click (or Stop), which calls seen once.
    void Start();
    void Stop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Watch(bool on);

    QWidget* window_;
    std::function<void()> seen_;
    bool watching_ = false;
};

} // namespace zt
