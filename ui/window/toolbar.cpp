// The tool bar of the main window: its controls and what they do.
#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "aboutbox.h"
#include "helpwindow.h"
#include "languagedialog.h"
#include "fonts.h"
#include "glyphs.h"
#include "mainform.h"
#include "paintbox.h"
#include "recordkeeper.h"
#include "render.h"
#include "weblabel.h"

namespace zt {

namespace {

// A click in the trough pages by the large change whatever the desktop's
// style prefers; jumping straight to the clicked place would skip levels.
class TroughPagingStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* ret) const override {
        if (hint == SH_ScrollBar_LeftClickAbsolutePosition) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, ret);
    }
};

// The selector's keys as a desktop scroll bar has them: an arrow steps by
// one, a page key by the large change. Qt's own horizontal scroll bar lets
// the position lag behind Left, Right and the page keys, so they are taken
// here; Up and Down it steps as wanted.
class SelectorKeys : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        auto* bar = static_cast<QScrollBar*>(watched);
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Left:
            bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
            return true;
        case Qt::Key_Right:
            bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            return true;
        case Qt::Key_PageUp:
            bar->triggerAction(QAbstractSlider::SliderPageStepSub);
            return true;
        case Qt::Key_PageDown:
            bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
            return true;
        default:
            return false;
        }
    }
};

// Qt's scroll bars draw no focus mark, and the style draws one only after
// the focus has moved by key. The selector holds the focus from the start,
// so it shows the board's focus frame over itself while it has it: black all
// round with white dashes over it, which stands out on any colour.
class FocusMark : public QWidget {
public:
    explicit FocusMark(QWidget* control) : QWidget(control) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            setGeometry(parentWidget()->rect());
            show();
        } else if (event->type() == QEvent::FocusOut) {
            hide();
        }
        return false;
    }
    void paintEvent(QPaintEvent*) override {
        constexpr int dash = 2;
        const int w = width(), h = height();
        QPainter p(this);
        const auto edges = [&](int from, int length, const QColor& colour) {
            p.fillRect(from, 0, length, 1, colour);
            p.fillRect(from, h - 1, length, 1, colour);
        };
        const auto sides = [&](int from, int length, const QColor& colour) {
            p.fillRect(0, from, 1, length, colour);
            p.fillRect(w - 1, from, 1, length, colour);
        };
        edges(0, w, Qt::black);
        sides(0, h, Qt::black);
        for (int i = 0; i < w; i += 2 * dash)
            edges(i, std::min(dash, w - i), Qt::white);
        for (int i = 0; i < h; i += 2 * dash)
            sides(i, std::min(dash, h - i), Qt::white);
    }
};

QToolButton* SpeedButton(QWidget* panel, Layout& layout, const char* name, QRect geometry,
                         const char* glyph, int images, QSize glyphSize) {
    auto* b = new QToolButton(panel);
    b->setObjectName(QString::fromLatin1(name));
    layout.Place(b, geometry, glyphSize);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    // The picture itself comes with LoadGlyphs().
    layout.ShowArt(b, {QString::fromLatin1(glyph), images});
    return b;
}

} // namespace

void TMainForm::LoadGlyphs() {
    // A window scaled up also gets its glyphs' larger art.
    layout_.ShowArtAt(scale_);
}

void TMainForm::BuildToolBar() {
    ToolPanel = new QFrame(this);
    ToolPanel->setObjectName(QStringLiteral("ToolPanel"));
    ToolPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    layout_.Place(ToolPanel, {0, 0, 520, 33});

    auto* p = ToolPanel;
    NewGameBtn = SpeedButton(p, layout_, "NewGameBtn", {4, 4, 25, 25}, "newgame.bmp", 1, {18, 18});
    RestartBtn = SpeedButton(p, layout_, "RestartBtn", {32, 4, 25, 25}, "restart.bmp", 2, {18, 18});
    LoadBtn = SpeedButton(p, layout_, "LoadBtn", {60, 4, 25, 25}, "load.bmp", 2, {18, 18});
    SaveBtn = SpeedButton(p, layout_, "SaveBtn", {88, 4, 25, 25}, "save.bmp", 2, {18, 18});
    SoundBtn = SpeedButton(p, layout_, "SoundBtn", {116, 4, 25, 25}, "sound.bmp", 2, {16, 16});
    SoundBtn->setCheckable(true);
    ExitBtn = SpeedButton(p, layout_, "ExitBtn", {144, 4, 25, 25}, "exit.bmp", 1, {18, 18});

    Shape1 = new QWidget(p);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    layout_.Place(Shape1, {172, 5, 105, 24});
    Shape1->setAutoFillBackground(true);
    QPalette black = Shape1->palette();
    black.setColor(QPalette::Window, Qt::black);
    Shape1->setPalette(black);

    Bevel2 = new QFrame(p);
    Bevel2->setObjectName(QStringLiteral("Bevel2"));
    Bevel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    layout_.Place(Bevel2, {172, 4, 105, 26});

    levellabel = new QLabel(p);
    levellabel->setObjectName(QStringLiteral("levellabel"));
    layout_.Place(levellabel, {176, 12, 45, 16});
    levellabel->setFont(SansFont(12));
    layout_.KeepFont(levellabel);
    QPalette yellow = levellabel->palette();
    yellow.setColor(QPalette::WindowText, Qt::yellow);
    levellabel->setPalette(yellow);

    levelbox = new PaintBox({render::LevelBoxWidth, render::LevelBoxHeight}, p);
    levelbox->setObjectName(QStringLiteral("levelbox"));
    layout_.Place(levelbox, {{212, 7}, levelbox->size()});
    levelbox->onFullPaint = [this] { levelboxPaint(); };
    levelbox->onMouseDown = [this](int, int) {
        if (records_) {
            records_->OpenBrowser();
        }
    };

    sDownBtn = SpeedButton(p, layout_, "sDownBtn", {280, 7, 16, 20}, "sdown.bmp", 2, {15, 15});
    levelscroll = new QScrollBar(Qt::Horizontal, p);
    levelscroll->setObjectName(QStringLiteral("levelscroll"));
    layout_.Place(levelscroll, {297, 8, 84, 19});
    // Only a style that jumps needs the correction; making a second style
    // costs the start a millisecond or two.
    if (levelscroll->style()->styleHint(QStyle::SH_ScrollBar_LeftClickAbsolutePosition, nullptr,
                                        levelscroll)) {
        auto* paging = new TroughPagingStyle;
        paging->setParent(levelscroll);
        levelscroll->setStyle(paging);
    }
    levelscroll->setRange(1, 1);
    levelscroll->setValue(1);
    levelscroll->setSingleStep(1);
    levelscroll->setPageStep(10);
    levelscroll->setFocusPolicy(Qt::StrongFocus);
    levelscroll->installEventFilter(new SelectorKeys(levelscroll));
    new FocusMark(levelscroll);
    sUpBtn = SpeedButton(p, layout_, "sUpBtn", {381, 7, 16, 20}, "sup.bmp", 2, {15, 15});
    // Tab reaches these two (actions.cpp): marked as the selector is.
    new FocusMark(sDownBtn);
    new FocusMark(sUpBtn);
    TongueBtn = SpeedButton(p, layout_, "TongueBtn", {400, 4, 25, 25}, "tongue.bmp", 1, {15, 15});
    RulesBtn = SpeedButton(p, layout_, "RulesBtn", {429, 4, 25, 25}, "rules.bmp", 1, {18, 18});
    InfoBtn = SpeedButton(p, layout_, "InfoBtn", {457, 4, 25, 25}, "info.bmp", 1, {18, 18});
    ZorblyBtn = SpeedButton(p, layout_, "ZorblyBtn", {485, 4, 30, 25}, "zorbly.bmp", 1, {26, 20});

    ZGLLabel = new TCKSimpleLabel(this);
    ZGLLabel->setObjectName(QStringLiteral("ZGLLabel"));
    ZGLLabel->JumpAddress = ZorblyWebAddress();
    ZGLLabel->hide();

    box = new PaintBox({render::BoxWidth, render::BoxHeight}, this);
    box->setObjectName(QStringLiteral("box"));
    box->move(0, ToolPanel->height());
    box->onFullPaint = [this] { boxPaint(); };
    AttachBoardAccessibility();
    box->onMouseDown = [this](int x, int y) {
        if (const auto cell = render::CellAt({x, y})) {
            Apply(game_.boxMouseDown(*cell));
        }
    };

    Timer = new QTimer(this);
    Timer->setInterval(75);
    connect(Timer, &QTimer::timeout, this, &TMainForm::TimerTimer);

    connect(levelscroll, &QScrollBar::valueChanged, this, &TMainForm::levelScrollChange);

    // The keyboard changes the level, and nothing else takes the focus.
    levelscroll->setFocus();
}

void TMainForm::SetSelectorRange(int maximum) {
    // With no level at all there is nothing to select.
    levelscroll->setEnabled(maximum >= 1);
    levelscroll->setRange(1, std::max(1, maximum));
}

void TMainForm::levelScrollChange(int position) {
    Apply(game_.SelectLevel(position));
}

void TMainForm::NewGameBtnClick() {
    if (game_.NewGameAsks() && ShowPage(Page::Giveup) == ModalResult::No) {
        return;
    }
    Apply(game_.NewGame());
}

void TMainForm::RestartBtnClick() {
    if (game_.RestartAsks() && ShowPage(Page::Restart) == ModalResult::No) {
        return;
    }
    Apply(game_.RestartLevel());
}

void TMainForm::TongueBtnClick() {
    if (tongueDlg_) {
        tongueDlg_->exec();
    }
    ApplyLanguage();
}

void TMainForm::rules() {
    if (!help_) {
        help_ = std::make_unique<HelpWindow>();
    }
    help_->StandOver(this);
    help_->ShowTopic(helpFile_, HelpWindow::RulesTopic());
}

void TMainForm::info() {
    if (aboutBox_) {
        aboutBox_->exec();
    }
}

} // namespace zt
