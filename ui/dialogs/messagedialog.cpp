#include "messagedialog.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <algorithm>

#include "fonts.h"
#include "glyphs.h"
#include "dialogplacement.h"
#include "texts.h"
#include "layout.h"

namespace zt {

namespace {

struct PageLayout {
    int number; // the page's number, as the game asks for it
    QRect label;
    bool question; // two buttons; else one OK button at 92
    int yesLeft;
    const char* yesGlyph;
    int yesGlyphs;
    const char* noGlyph;
    bool noIsCancel;
    // A "|" marks where a line may break, between phrases; it shows as a
    // space when the line goes on.
    const char* text;
};

// The pages the game shows; the numbers between are not used.
const PageLayout Layouts[TYesNoDlg::PageCount] = {
    {1, {60, 28, 181, 17}, false, 92, "smile.bmp", 1, nullptr, false,
     QT_TRANSLATE_NOOP("zt::TYesNoDlg", "Hurrah,|you did it!")},
    {2, {56, 20, 189, 26}, true, 48, "uturn.bmp", 2, "cross.bmp", false,
     QT_TRANSLATE_NOOP("zt::TYesNoDlg", "Do you really want|to give up the level?")},
    {3, {72, 20, 153, 29}, true, 44, "door.bmp", 1, "cancel.bmp", true,
     QT_TRANSLATE_NOOP("zt::TYesNoDlg", "Do you really want|to go?")},
    {4, {56, 20, 189, 26}, true, 48, "uturn.bmp", 2, "cross.bmp", false,
     QT_TRANSLATE_NOOP("zt::TYesNoDlg", "Do you really want|to give up the game?")},
    {6, {60, 24, 181, 21}, false, 92, "smile.bmp", 1, nullptr, false,
     QT_TRANSLATE_NOOP("zt::TYesNoDlg", "Congratulation,|you solved all levels.")},
};

// Inside the bevel, right of the icon: where a label may grow to show its
// text whole in whatever font the platform gives.
const QRect LabelArea(52, 10, 197, 45);

// The text in as few lines as fit the width, each line whole phrases.
QString PhraseLines(const QString& phrased, const QFontMetrics& fm, int width) {
    QString lines;
    QString line;
    for (const QString& phrase : phrased.split(QLatin1Char('|'))) {
        const QString longer = line.isEmpty() ? phrase : line + QLatin1Char(' ') + phrase;
        if (line.isEmpty() || fm.horizontalAdvance(longer) <= width) {
            line = longer;
        } else {
            lines += line + QLatin1Char('\n');
            line = phrase;
        }
    }
    return lines + line;
}

// Grows the label from its place on the page to its text's size, about the
// same centre, staying inside the area.
void FitLabel(QLabel* label, const QRect& place, const QRect& area) {
    const QSize text = label->fontMetrics().size(0, label->text());
    QRect r(0, 0, std::max(place.width(), text.width()), std::max(place.height(), text.height()));
    r.moveCenter(place.center());
    r.moveLeft(
        std::clamp(r.left(), area.left(), std::max(area.left(), area.right() + 1 - r.width())));
    r.moveTop(
        std::clamp(r.top(), area.top(), std::max(area.top(), area.bottom() + 1 - r.height())));
    label->setGeometry(r);
}


QString Name(char kind, int page, int item) {
    return QStringLiteral("%1%2%3")
        .arg(kind == 'L' ? QStringLiteral("L") : QStringLiteral("Btn"))
        .arg(page, 2, 10, QLatin1Char('0'))
        .arg(item, 2, 10, QLatin1Char('0'));
}

QPushButton* MakeButton(QWidget* page, int left, const QString& name, const char* glyph,
                        int glyphs) {
    auto* b = new QPushButton(page);
    b->setObjectName(name);
    b->setGeometry(left, 68, 77, 27);
    b->setAutoDefault(false);
    if (glyph) {
        ShowGlyph(b, QString::fromLatin1(glyph), glyphs);
        b->setIconSize(QSize(18, 18));
    }
    return b;
}

} // namespace

TYesNoDlg::TYesNoDlg(QWidget* main, std::function<Language()> language)
    : QDialog(main, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                        Qt::MSWindowsFixedSizeDialogHint),
      main_(main), language_(std::move(language)),
      stack_(new QStackedWidget(this)) {
    setObjectName(QStringLiteral("YesNoDlg"));
    setWindowTitle(QStringLiteral("Zorbly Tarnel"));
    setFixedSize(261, 103);
    setFont(SansFont(11, true));
    QPalette black = palette();
    black.setColor(QPalette::WindowText, Qt::black);
    setPalette(black);
    stack_->setGeometry(0, 0, 261, 103);

    for (int i = 0; i < PageCount; ++i) {
        const PageLayout& layout = Layouts[i];
        const int number = layout.number;
        auto* page = new QWidget(stack_);
        auto* bevel = new QFrame(page);
        bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
        bevel->setGeometry(8, 8, 245, 49);
        auto* image = new QLabel(page);
        image->setGeometry(16, 16, 32, 32);
        ShowGameIcon(image);

        PageControls& pc = pages_[i];
        pc.label = new QLabel(page);
        pc.label->setObjectName(Name('L', number, 1));
        pc.label->setGeometry(layout.label);
        pc.label->setAlignment(Qt::AlignCenter);

        pc.yes = MakeButton(page, layout.yesLeft, Name('B', number, 1), layout.yesGlyph,
                            layout.yesGlyphs);
        if (layout.question) {
            pc.no = MakeButton(page, 136, Name('B', number, 2), layout.noGlyph, 2);
            pc.noIsCancel = layout.noIsCancel;
            connect(pc.yes, &QPushButton::clicked, this, [this] { done(int(ModalResult::Yes)); });
            const ModalResult second = pc.noIsCancel ? ModalResult::Cancel : ModalResult::No;
            connect(pc.no, &QPushButton::clicked, this, [this, second] { done(int(second)); });
        } else {
            pc.yes->setText(tr("OK"));
            connect(pc.yes, &QPushButton::clicked, this, [this] { done(int(ModalResult::Ok)); });
        }
        pc.yes->setDefault(true);
        stack_->addWidget(page);
    }
    stack_->setCurrentIndex(PageCount - 1);
}

ModalResult TYesNoDlg::ShowModal(unsigned page) {
    for (int i = 0; i < PageCount; ++i) {
        if (unsigned(Layouts[i].number) == page) {
            stack_->setCurrentIndex(i);
        }
    }
    result_ = ModalResult::None;
    exec();
    return result_;
}

void TYesNoDlg::done(int r) {
    result_ = static_cast<ModalResult>(r);
    QDialog::done(r);
}

// The close box. On a question it answers as the button that keeps things
// as they are: a player who closes "give up the game?" to get rid of it must
// not lose every solved level.
void TYesNoDlg::reject() {
    const PageControls& pc = pages_[stack_->currentIndex()];
    done(int(pc.no && !pc.noIsCancel ? ModalResult::No : ModalResult::Cancel));
}

void TYesNoDlg::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TYesNoDlg::FormActivate() {
    const qreal scale = WindowScale();
    ScaleDialog(this, layout_, scale);
    PlaceOver(this, main_);
    SetTexts(scale);
    // A screen reader reads the question with the dialog, then the buttons.
    const PageControls& shown = pages_[stack_->currentIndex()];
    setAccessibleDescription(shown.label->accessibleName());
    shown.yes->setFocus();
}

void TYesNoDlg::SetTexts(qreal scale) {
    // A stored language 2 shows the French texts of this dialog.
    const Language language = language_();
    const auto text = [language](const char* source) {
        return TextIn(language, "zt::TYesNoDlg", source);
    };
    const QRect area = Scaled(LabelArea, scale);
    for (int i = 0; i < PageCount; ++i) {
        PageControls& pc = pages_[i];
        const QString phrased = text(Layouts[i].text);
        pc.label->setText(PhraseLines(phrased, pc.label->fontMetrics(), area.width()));
        pc.label->setAccessibleName(QString(phrased).replace(QLatin1Char('|'), QLatin1Char(' ')));
        FitLabel(pc.label, Scaled(Layouts[i].label, scale), area);
        if (pc.no) {
            pc.yes->setText(text(QT_TRANSLATE_NOOP("zt::TYesNoDlg", "Yes")));
            pc.no->setText(text(QT_TRANSLATE_NOOP("zt::TYesNoDlg", "No")));
        }
    }
}

void TYesNoDlg::keyPressEvent(QKeyEvent* event) {
    const PageControls& pc = pages_[stack_->currentIndex()];
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // The button the player has tabbed to answers, as it looks; only
        // without a focused button does the default one.
        QWidget* focused = focusWidget();
        if (pc.no && focused == pc.no) {
            pc.no->click();
        } else {
            pc.yes->click();
        }
        return;
    }
    case Qt::Key_Escape:
        // Only a page with a cancel button answers Escape.
        if (pc.no) {
            pc.no->click();
        }
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace zt
