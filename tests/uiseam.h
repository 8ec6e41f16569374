// What the tests read inside the windows beyond what a player sees: the one
// door into their private parts (each class names TestSeam its friend).
#pragma once

#include <QLabel>
#include <QPoint>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QScrollBar>

#include "mainform.h"
#include "recordkeeper.h"
#include "hintblink.h"
#include "splash.h"
#include "weblabel.h"
#include "messagedialog.h"

namespace zt {

// The main window's controls, under the names the game's code uses.
struct MainControls {
    QFrame* ToolPanel;
    PaintBox* box;
    PaintBox* levelbox;
    QToolButton* NewGameBtn;
    QToolButton* RestartBtn;
    QToolButton* LoadBtn;
    QToolButton* SaveBtn;
    QToolButton* SoundBtn;
    QToolButton* ExitBtn;
    QLabel* levellabel;
    QToolButton* sDownBtn;
    QScrollBar* levelscroll;
    QToolButton* sUpBtn;
    QToolButton* TongueBtn;
    QToolButton* RulesBtn;
    QToolButton* InfoBtn;
    QToolButton* ZorblyBtn;
    TCKSimpleLabel* ZGLLabel;
    QTimer* Timer;
};

struct TestSeam {
    static MainControls Controls(const TMainForm& f) {
        return {f.ToolPanel, f.box,      f.levelbox,    f.NewGameBtn, f.RestartBtn,
                f.LoadBtn,   f.SaveBtn,  f.SoundBtn,    f.ExitBtn,    f.levellabel,
                f.sDownBtn,  f.levelscroll, f.sUpBtn,   f.TongueBtn,  f.RulesBtn,
                f.InfoBtn,   f.ZorblyBtn, f.ZGLLabel,   f.Timer};
    }
    static int MarkerFrame(const TMainForm& f) { return f.markerFrame_; }
    static TCKBitmapList& Bitmaps(TMainForm& f) { return f.bitmaps_; }
    // What the board and the level display are drawn from now.
    static const render::Pictures& Pictures(const TMainForm& f) { return f.pictures_; }
    static render::Pictures PicturesFor(TMainForm& f, qreal ratio) { return f.PicturesFor(ratio); }
    static HelpWindow* Help(const TMainForm& f) { return f.help_.get(); }
    static const QString& ProgressPath(const TMainForm& f) { return f.progressPath_; }
    // The cell the keyboard's frame stands on, and whether it is drawn.
    static std::optional<Cell> HintedCell(const TMainForm& f) { return f.hint_->HintedCell(); }
    static QPoint FocusFrameCell(const TMainForm& f) { return {f.frame_.Col(), f.frame_.Row()}; }
    static bool FocusFrameShown(const TMainForm& f) { return f.frame_.Shown(); }
    static QTimer* Timer(const TSplash& s) { return s.timer_; }
    // The deal's active time as the rim counts it.
    static qint64 DealTime(const TMainForm& f) { return f.records_->DealTime(); }
};

// Found by the argument's namespace: Controls(form).box.
inline MainControls Controls(const TMainForm& f) {
    return TestSeam::Controls(f);
}

} // namespace zt

namespace uitest {

// The message dialog's controls by the names the dialog gives them: item 1
// is the first button (Yes or OK), item 2 the second (No or Cancel).
inline QPushButton* PageButton(const QWidget* dialog, int page, int item) {
    return dialog->findChild<QPushButton*>(QString::asprintf("Btn%02d%02d", page, item));
}
inline QLabel* PageLabel(const QWidget* dialog, int page) {
    return dialog->findChild<QLabel*>(QString::asprintf("L%02d01", page));
}
// The page the dialog shows, or 0.
inline int ShownPage(const QWidget* dialog) {
    for (const QLabel* l : dialog->findChildren<QLabel*>())
        if (l->objectName().startsWith(QLatin1Char('L')) && l->isVisibleTo(dialog))
            return l->objectName().mid(1, 2).toInt();
    return 0;
}

} // namespace uitest
