// Who made the game and how to reach them.
#pragma once

#include <QDialog>

#include "layout.h"
#include <functional>

class QLabel;

namespace zt {

// The maker's web page, opened by the tool bar's logo button.
QString ZorblyWebAddress();

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    // It opens at the game's scale (WindowScale).
    explicit TAboutBox(QWidget* main);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* main_;
    Layout layout_; // at 100 %
    QLabel* contact_ = nullptr;
};

} // namespace zt
