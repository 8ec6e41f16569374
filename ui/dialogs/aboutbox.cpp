#include "aboutbox.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "fonts.h"
#include "glyphs.h"
#include "dialogplacement.h"
#include "layout.h"

namespace zt {

QString ZorblyWebAddress() {
    return QStringLiteral("https://zorblygames.github.io/");
}

TAboutBox::TAboutBox(QWidget* main)
    : QDialog(main, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                        Qt::MSWindowsFixedSizeDialogHint),
      main_(main) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Info"));
    setFixedSize(298, 182);
    const QFont font = SansFont(11);
    setFont(font);

    auto* bevel = new QFrame(this);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(8, 8, 282, 128);
    auto* icon = new QLabel(this);
    icon->setGeometry(20, 20, 32, 32);
    ShowGameIcon(icon);

    auto* name = new QLabel(QStringLiteral("Zorbly Tarnel"), this);
    name->setObjectName(QStringLiteral("ProductName"));
    QFont big = font;
    big.setPixelSize(16);
    big.setBold(true);
    name->setFont(big);
    name->setGeometry(68, 18, 210, 20);
    auto* version = new QLabel(QStringLiteral("Version  V" ZTRN_VERSION), this);
    version->setObjectName(QStringLiteral("Version"));
    version->setGeometry(68, 40, 210, 16);

    contact_ = new QLabel(this);
    contact_->setObjectName(QStringLiteral("Contact"));
    contact_->setGeometry(20, 64, 262, 66);
    contact_->setTextFormat(Qt::PlainText);
    contact_->setText(QStringLiteral("Zorbly Games\nTarnelweg 7, 12345 Zorbstadt\n") +
                      ZorblyWebAddress());

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(111, 146, 77, 27);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::showEvent(QShowEvent* event) {
    // Selectable text is laid out at once, which would load the fonts while
    // the game starts; the box is made then but seldom shown.
    contact_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ScaleDialog(this, layout_);
    PlaceOver(this, main_);
    QDialog::showEvent(event);
}

} // namespace zt
