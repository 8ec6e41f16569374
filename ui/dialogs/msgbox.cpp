#include "msgbox.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "framing.h"
#include "texts.h"

namespace zt {

namespace {

QIcon (*iconSource)() = nullptr;

// The standard boxes speak German whatever the game speaks.
QString InGerman(const char* source) {
    return TextIn(Language::German, "zt::MessageBox", source);
}

// Stands centred over its parent, or on the screen while the parent is not
// up yet (the start-up errors come before the main window is shown), by its
// outer rectangle either way.
class GameBox : public QMessageBox {
public:
    GameBox(Icon icon, const QString& title, const QString& text, QWidget* parent)
        : QMessageBox(icon, title, text, NoButton, parent) {
        QIcon own = parent ? parent->windowIcon() : QGuiApplication::windowIcon();
        if (own.isNull() && iconSource) {
            own = iconSource();
        }
        setWindowIcon(own);
    }

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event); // gives the box its size
        const QWidget* over = parentWidget() ? parentWidget()->window() : nullptr;
        QRect around;
        QMargins guess;
        if (over && over->isVisible()) {
            around = OuterRect(over);
            guess = KnownFrame(over);
        } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
            around = screen->geometry();
        }
        if (around.isValid()) {
            PlaceFrame(
                this, [around](QSize outer) { return CentredRect(outer, around).topLeft(); },
                guess);
        }
    }
};

} // namespace

void SetBoxIconSource(QIcon (*source)()) {
    iconSource = source;
}

void ErrorBox(QWidget* parent, const QString& text) {
    GameBox box(QMessageBox::Critical, InGerman(QT_TRANSLATE_NOOP("zt::MessageBox", "Error")), text,
                parent);
    QPushButton* ok = box.addButton(InGerman(QT_TRANSLATE_NOOP("zt::MessageBox", "OK")),
                                    QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

bool WarningYesNo(QWidget* parent, const QString& text, bool yesByDefault) {
    GameBox box(QMessageBox::Warning, InGerman(QT_TRANSLATE_NOOP("zt::MessageBox", "Warning")),
                text, parent);
    QPushButton* yes =
        box.addButton(InGerman(QT_TRANSLATE_NOOP("zt::MessageBox", "&Yes")), QMessageBox::YesRole);
    QPushButton* no =
        box.addButton(InGerman(QT_TRANSLATE_NOOP("zt::MessageBox", "&No")), QMessageBox::NoRole);
    box.setDefaultButton(yesByDefault ? yes : no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

} // namespace zt
