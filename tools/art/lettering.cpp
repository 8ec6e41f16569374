#include "lettering.h"

#include <QTransform>

namespace art {

QPainterPath letterPath(QChar c) {
    QPainterPath p;
    switch (c.unicode()) {
    case 'Z':
        p.moveTo(0, 0);
        p.lineTo(8, 0);
        p.lineTo(0, 10);
        p.lineTo(8, 10);
        break;
    case 'O':
        p.addEllipse(QRectF(0, 0, 8, 10));
        break;
    case 'R':
        p.moveTo(0, 10);
        p.lineTo(0, 0);
        p.lineTo(4.5, 0);
        p.cubicTo(8.2, 0, 8.2, 5.2, 4.5, 5.2);
        p.lineTo(0, 5.2);
        p.moveTo(4.2, 5.2);
        p.lineTo(8, 10);
        break;
    case 'B':
        p.moveTo(0, 5);
        p.lineTo(4.3, 5);
        p.cubicTo(7.6, 5, 7.6, 0, 4.3, 0);
        p.lineTo(0, 0);
        p.lineTo(0, 10);
        p.lineTo(4.8, 10);
        p.cubicTo(8.4, 10, 8.4, 5, 4.8, 5);
        break;
    case 'L':
        p.moveTo(0, 0);
        p.lineTo(0, 10);
        p.lineTo(7, 10);
        break;
    case 'Y':
        p.moveTo(0, 0);
        p.lineTo(4, 5.2);
        p.lineTo(8, 0);
        p.moveTo(4, 5.2);
        p.lineTo(4, 10);
        break;
    case 'T':
        p.moveTo(0, 0);
        p.lineTo(8, 0);
        p.moveTo(4, 0);
        p.lineTo(4, 10);
        break;
    case 'A':
        p.moveTo(0, 10);
        p.lineTo(4, 0);
        p.lineTo(8, 10);
        p.moveTo(1.7, 6.6);
        p.lineTo(6.3, 6.6);
        break;
    case 'N':
        p.moveTo(0, 10);
        p.lineTo(0, 0);
        p.lineTo(8, 10);
        p.lineTo(8, 0);
        break;
    case 'E':
        p.moveTo(7, 0);
        p.lineTo(0, 0);
        p.lineTo(0, 10);
        p.lineTo(7, 10);
        p.moveTo(0, 5);
        p.lineTo(5.5, 5);
        break;
    case 'G':
        p.moveTo(7.6, 2);
        p.cubicTo(6.5, 0, 4.8, 0, 4, 0);
        p.cubicTo(1, 0, 0, 2.5, 0, 5);
        p.cubicTo(0, 7.5, 1, 10, 4, 10);
        p.cubicTo(6.5, 10, 8, 8.5, 8, 6);
        p.lineTo(4.6, 6);
        break;
    case 'o':
        p.addEllipse(QRectF(0, 4, 6, 6));
        break;
    case 'r':
        p.moveTo(0, 10);
        p.lineTo(0, 4);
        p.moveTo(0, 7);
        p.cubicTo(0.6, 4.6, 2.6, 4, 4.6, 4.2);
        break;
    case 'b':
        p.moveTo(0, 0);
        p.lineTo(0, 10);
        p.addEllipse(QRectF(0, 4, 6, 6));
        break;
    case 'l':
        p.moveTo(0, 0);
        p.lineTo(0, 8.6);
        p.cubicTo(0, 9.6, 0.6, 10, 1.6, 10);
        break;
    case 'y':
        p.moveTo(0, 4);
        p.lineTo(3.1, 9.6);
        p.moveTo(6, 4);
        p.lineTo(2.6, 11.6);
        p.cubicTo(2.1, 12.7, 1.4, 13, 0.2, 13);
        break;
    case 'a':
        p.addEllipse(QRectF(0, 4, 5.6, 6));
        p.moveTo(5.6, 4);
        p.lineTo(5.6, 10);
        break;
    case 'n':
        p.moveTo(0, 10);
        p.lineTo(0, 4);
        p.moveTo(0, 6.6);
        p.cubicTo(0.4, 4.4, 2, 4, 3, 4);
        p.cubicTo(4.6, 4, 5.6, 5, 5.6, 6.6);
        p.lineTo(5.6, 10);
        break;
    case 'e':
        p.moveTo(0.2, 7);
        p.lineTo(6, 7);
        p.arcTo(QRectF(0, 4, 6, 6), 0, 305);
        break;
    case 'm':
        p.moveTo(0, 10);
        p.lineTo(0, 4);
        p.moveTo(0, 6.4);
        p.cubicTo(0.3, 4.3, 3.6, 3.6, 3.6, 6.4);
        p.lineTo(3.6, 10);
        p.moveTo(3.6, 6.4);
        p.cubicTo(3.9, 4.3, 7.2, 3.6, 7.2, 6.4);
        p.lineTo(7.2, 10);
        break;
    case 's':
        p.moveTo(5, 4.9);
        p.cubicTo(4.2, 4, 0.4, 3.6, 0.4, 5.6);
        p.cubicTo(0.4, 7.4, 5.4, 6.6, 5.4, 8.4);
        p.cubicTo(5.4, 10.4, 1.2, 10.2, 0.2, 9.1);
        break;
    default:
        break;
    }
    return p;
}

double letterWidth(QChar c) {
    switch (c.unicode()) {
    case ' ':
        return 3;
    case 'L':
    case 'E':
        return 7;
    case 'o':
    case 'b':
    case 'y':
    case 'n':
    case 'e':
        return 6;
    case 'a':
        return 5.6;
    case 'r':
        return 4.6;
    case 'l':
        return 1.6;
    case 'm':
        return 7.2;
    case 's':
        return 5.4;
    default:
        return 8;
    }
}

double textWidth(const QString& text, double unit, double gap) {
    double w = 0;
    for (int i = 0; i < text.size(); ++i)
        w += letterWidth(text[i]) + (i + 1 < text.size() ? gap : 0);
    return w * unit;
}

QPainterPath textPath(const QString& text, double unit, double gap, QPointF origin) {
    QPainterPath out;
    double x = 0;
    for (QChar c : text) {
        QTransform t;
        t.translate(origin.x() + x * unit, origin.y());
        t.scale(unit, unit);
        out.addPath(t.map(letterPath(c)));
        x += letterWidth(c) + gap;
    }
    return out;
}

} // namespace art
