// Who made the game and how to reach them.
#pragma once

#include <QDialog>

class QLabel;

namespace zt {

// The maker's web page, opened by the tool bar's logo button.
QString ZorblyWebAddress();

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* main);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* main_;
    QLabel* contact_ = nullptr;
};

} // namespace zt
