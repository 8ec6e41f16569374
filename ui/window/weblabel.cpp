#include "weblabel.h"

#include <QDesktopServices>
#include <QUrl>

namespace zt {

TCKSimpleLabel::TCKSimpleLabel(QWidget* parent) : QLabel(parent) {
    opener = [](const QString& address) { return QDesktopServices::openUrl(QUrl(address)); };
}

void TCKSimpleLabel::Jump() {
    if (!isEnabled() || JumpMode == TCKJumpModes::jmNone) {
        return;
    }
    ++Jumps;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, VisitedColor);
    setPalette(p);
    if (JumpMode != TCKJumpModes::jmInternet) {
        return; // the game uses the web page only
    }
    if (!opener || !opener(JumpAddress)) {
        JumpMode = TCKJumpModes::jmNone;
        setEnabled(false);
    }
}

} // namespace zt
