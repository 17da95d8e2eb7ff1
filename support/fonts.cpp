#include "fonts.h"

#include <QFontMetricsF>
#include <QStringList>

namespace {

QFont sansFont(const QStringList& families, double pointSize, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace

QFont ArialFont(double pointSize, bool bold) {
    return sansFont(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")},
        pointSize, bold);
}

QFont SansSerifFont(double pointSize, bool bold) {
    return sansFont({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                     QStringLiteral("MS Sans Serif")},
                    pointSize, bold);
}

double TextHeightTwips(const QFont& font, const QString& text, double twipsPerPixelY) {
    const QFontMetricsF metrics(font);
    const qsizetype lines = text.count(u'\n') + 1;
    return metrics.height() * double(lines) * twipsPerPixelY;
}
