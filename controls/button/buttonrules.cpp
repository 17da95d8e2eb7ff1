#include "buttonrules.h"

#include "edges.h"

#include <cmath>

namespace buttonex {

std::optional<QChar> accessKey(const QString& caption) {
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (i + 1 >= caption.size())
            return std::nullopt;
        if (caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return caption[i + 1];
    }
    return std::nullopt;
}

QString measuredCaption(const QString& caption) {
    QString text = caption;
    const qsizetype at = text.indexOf(u'&');
    if (at >= 0)
        text.remove(at, 1);
    return text;
}

EdgePair edgesFor(int borderStyle) {
    switch (borderStyle) {
    case 0:
        return {edges::Raised, 0};
    case 2:
        return {edges::Bump, edges::Etched};
    case 3:
    case 4:
        return {edges::RaisedInner, edges::SunkenOuter};
    default:
        return {edges::Raised, edges::Sunken};
    }
}

QSize skinSize(QSize pixels, double dpiX, double dpiY, double tppX, double tppY) {
    // HIMETRIC is hundredths of a millimetre, kept whole as a picture object holds it.
    const auto side = [](int px, double dpi, double tpp) {
        const double himetric = std::round(px * 2540.0 / dpi);
        const double twips = himetric / 1.76;
        return int(std::lround(twips / tpp));
    };
    return QSize(side(pixels.width(), dpiX, tppX), side(pixels.height(), dpiY, tppY));
}

} // namespace buttonex
