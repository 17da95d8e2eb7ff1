#include "edges.h"

#include <QPainter>
#include <optional>

namespace edges {

namespace {

struct Ring {
    QColor topLeft;
    QColor bottomRight;
};

void drawRing(QPainter& p, const QRect& r, const Ring& ring) {
    if (r.width() <= 0 || r.height() <= 0)
        return;
    // The top-right and bottom-left corners belong to the dark sides.
    p.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), ring.topLeft);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), ring.topLeft);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), ring.bottomRight);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), ring.bottomRight);
}

} // namespace

void drawEdge(QPainter& p, QRect& rect, unsigned border, unsigned flags, const QPalette& pal) {
    const unsigned outer = border & (RaisedOuter | SunkenOuter);
    const unsigned inner = border & (RaisedInner | SunkenInner);
    if (!outer && !inner)
        return;
    const QColor light = pal.color(QPalette::Light);
    const QColor midlight = pal.color(QPalette::Midlight);
    const QColor dark = pal.color(QPalette::Dark);
    const QColor shadow = pal.color(QPalette::Shadow);

    Ring first;
    std::optional<Ring> second;
    if (flags & Mono) {
        const QColor frame = Qt::black;
        const QColor window = pal.color(QPalette::Base);
        first = outer ? Ring{frame, frame} : Ring{window, window};
        if (outer && inner)
            second = Ring{window, window};
    } else if (flags & Flat) {
        const QColor face = pal.color(QPalette::Button);
        first = outer ? Ring{dark, dark} : Ring{face, face};
        if (outer && inner)
            second = Ring{face, face};
    } else {
        const Ring innerRing = (inner & RaisedInner) ? Ring{light, dark} : Ring{shadow, midlight};
        if (outer) {
            first = (outer & RaisedOuter) ? Ring{midlight, shadow} : Ring{dark, light};
            if (inner)
                second = innerRing;
        } else {
            first = innerRing;
        }
    }

    QRect r = rect;
    drawRing(p, r, first);
    r.adjust(1, 1, -1, -1);
    if (second) {
        drawRing(p, r, *second);
        r.adjust(1, 1, -1, -1);
    }
    if (flags & Adjust)
        rect = r;
}

void drawFocusRect(QPainter& p, const QRect& rect, const QColor& color) {
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    // Every other pixel, counted once round the rectangle.
    int n = 0;
    const auto dot = [&](int x, int y) {
        if (n++ % 2 == 0)
            p.drawRect(QRect(x, y, 1, 1));
    };
    for (int x = rect.left(); x < rect.right(); ++x)
        dot(x, rect.top());
    for (int y = rect.top(); y < rect.bottom(); ++y)
        dot(rect.right(), y);
    for (int x = rect.right(); x > rect.left(); --x)
        dot(x, rect.bottom());
    for (int y = rect.bottom(); y > rect.top(); --y)
        dot(rect.left(), y);
    p.restore();
}

} // namespace edges
