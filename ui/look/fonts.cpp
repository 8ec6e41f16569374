#include "fonts.h"

#include <QApplication>

namespace zt {

QFont SansFont(int pixelSize, bool bold) {
    QFont font = QApplication::font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace zt
