// The game's one dialog for its fixed messages and questions: a stack of
// numbered pages, shown modally one at a time. Page n's label is named
// "L0n01", its buttons "Btn0n01" (Yes or OK) and "Btn0n02" (No or Cancel).
#pragma once

#include <QDialog>

#include "layout.h"
#include <array>
#include <functional>

#include "gameview.h"

class QLabel;
class QPushButton;
class QStackedWidget;

namespace zt {

// How a modal dialog ended.
enum class ModalResult : int { None = 0, Ok, Cancel, Yes, No };

class TYesNoDlg : public QDialog {
    Q_OBJECT
public:
    // Pages 1, 2, 3, 4 and 6.
    static constexpr int PageCount = 5;

    // language is asked at every showing, and it opens at the game's scale; main is the
    // window it is placed over.
    TYesNoDlg(QWidget* main, std::function<Language()> language);

    // Shows a page (any other number: the page shown last) and returns how
    // the dialog was closed.
    ModalResult ShowModal(unsigned page);

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
    void SetTexts(qreal scale);

    QWidget* main_;
    std::function<Language()> language_;
    Layout layout_; // at 100 %
    QStackedWidget* stack_;
    std::array<PageControls, PageCount> pages_;
    ModalResult result_ = ModalResult::None;
};

} // namespace zt
