#include "languagedialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "fonts.h"
#include "glyphs.h"
#include "dialogplacement.h"
#include "texts.h"
#include "layout.h"

namespace zt {

TTongueDlg::TTongueDlg(QWidget* main, Game& game)
    : QDialog(main, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                        Qt::MSWindowsFixedSizeDialogHint),
      main_(main), game_(game) {
    setObjectName(QStringLiteral("TongueDlg"));
    setWindowTitle(QStringLiteral("Zorbly Tarnel V" ZTRN_VERSION));
    setFixedSize(320, 91);
    setFont(SansFont(11));

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(8, 8, 305, 77);
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image4"));
    image->setGeometry(28, 28, 37, 37);
    image->setAlignment(Qt::AlignCenter);
    ShowGameIcon(image);

    // Each answer in its own language.
    english_ = new QPushButton(
        TextIn(Language::English, "zt::TTongueDlg", QT_TR_NOOP("I speak english.")), this);
    english_->setObjectName(QStringLiteral("EnglishBtn"));
    english_->setGeometry(84, 16, 221, 27);
    ShowGlyph(english_, QStringLiteral("flags_en.bmp"));
    english_->setIconSize(QSize(53, 20));
    german_ = new QPushButton(
        TextIn(Language::German, "zt::TTongueDlg", QT_TR_NOOP("I speak german.")), this);
    german_->setObjectName(QStringLiteral("GermanBtn"));
    german_->setGeometry(84, 48, 221, 27);
    ShowGlyph(german_, QStringLiteral("flags_de.bmp"));
    german_->setIconSize(QSize(80, 20));
    // Enter presses whichever of the two has the focus.
    english_->setAutoDefault(true);
    german_->setAutoDefault(true);
    setTabOrder(english_, german_);
    // Nothing but the two answers asks the question, so they are read out
    // with the dialog too.
    setAccessibleDescription(english_->text() + QLatin1Char(' ') + german_->text());

    connect(english_, &QPushButton::clicked, this, [this] {
        game_.SetLanguage(Language::English);
        accept();
    });
    connect(german_, &QPushButton::clicked, this, [this] {
        game_.SetLanguage(Language::German);
        accept();
    });
}

void TTongueDlg::showEvent(QShowEvent* event) {
    ScaleDialog(this, layout_);
    PlaceOver(this, main_);
    english_->setFocus();
    QDialog::showEvent(event);
}

} // namespace zt
