// Who made the game and how to reach them.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;

namespace zt {

// The maker's web page, opened by the tool bar's logo button.
QString ZorblyWebAddress();

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    // zoom (in per cent) is asked at every showing.
    explicit TAboutBox(QWidget* main, std::function<int()> zoom = [] { return 100; });

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* main_;
    std::function<int()> zoom_;
    QLabel* contact_ = nullptr;
};

} // namespace zt
