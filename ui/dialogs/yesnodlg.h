// The game's one dialog for its fixed messages and questions: a stack of
// numbered pages, shown modally one at a time.
#pragma once

#include <QDialog>
#include <array>

#include "gameview.h"

class QLabel;
class QPushButton;
class QStackedWidget;

namespace zt {

class TYesNoDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int PageCount = 7;

    // language is read at every showing; main is the window it is placed over.
    TYesNoDlg(QWidget* main, const int& language);

    // Shows page 1..7 (any other number: the page shown last) and returns how
    // the dialog was closed.
    ModalResult ShowModal(unsigned page);
    ModalResult Result() const { return result_; }
    int ActivePage() const; // 1..7

    QLabel* Label(int page) const { return pages_[page - 1].label; }
    // item 1: the first button (Yes or OK), item 2: the second (No or Cancel).
    QPushButton* Button(int page, int item) const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

public slots:
    void done(int r) override;
    void reject() override;

private:
    struct PageControls {
        QLabel* label = nullptr;
        QPushButton* yes = nullptr; // or OK
        QPushButton* no = nullptr;  // null on the OK pages
        bool noIsCancel = false;    // "endgame": the second button answers Cancel
    };
    void FormActivate();
    void SetTexts();

    QWidget* main_;
    const int& language_;
    QStackedWidget* stack_;
    std::array<PageControls, PageCount> pages_;
    ModalResult result_ = ModalResult::None;
};

} // namespace zt
