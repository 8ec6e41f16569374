// The language choice: two buttons, each captioned in its own language.
#pragma once

#include <QDialog>

class QPushButton;

namespace zt {

class TTongueDlg : public QDialog {
    Q_OBJECT
public:
    // language is set to 0 or 1 by the buttons; the close box leaves it alone.
    TTongueDlg(QWidget* main, int& language);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* main_;
    int& language_;
    QPushButton* english_;
    QPushButton* german_;
};

} // namespace zt
