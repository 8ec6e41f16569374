#include "weblabel.h"

#include <QDesktopServices>
#include <QUrl>

namespace zt {

TCKSimpleLabel::TCKSimpleLabel(QWidget* parent) : QLabel(parent) {
    opener = [](const QString& address) { return QDesktopServices::openUrl(QUrl(address)); };
}

void TCKSimpleLabel::Jump() {
    if (!isEnabled()) {
        return;
    }
    if (!opener || !opener(JumpAddress)) {
        setEnabled(false);
    }
}

} // namespace zt
