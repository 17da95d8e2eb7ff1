#include "tabcaptions.h"

#include <QStringList>
#include <algorithm>

namespace tabstrip {

QString CaptionItem(const QString& caption, int index) {
    if (index < 0)
        return {};
    const QStringList items = caption.split(kSeparator);
    return index < items.size() ? items[index] : QString();
}

QString ReplaceCaptionItem(const QString& caption, int index, const QString& text) {
    if (index < 0)
        return caption;
    QString padded = caption;
    // Item `index` ends at separator index + 1; without it the search for the item's end
    // would wrap around to the front of the string.
    const qsizetype missing = index + 1 - padded.count(kSeparator);
    if (missing > 0)
        padded += QString(missing, kSeparator);
    qsizetype p = 0; // characters up to and including the index-th separator
    for (int i = 0; i < index; ++i)
        p = padded.indexOf(kSeparator, p) + 1;
    const qsizetype e = padded.indexOf(kSeparator, p);
    return padded.left(p) + text + padded.mid(e);
}

int HitTab(const TabGeometry& geometry, int count, double x) {
    const int n = std::clamp(count, 0, kMaxTabs);
    if (n == 0)
        return -1;
    const auto last = static_cast<std::size_t>(n - 1);
    if (!(x > geometry.left[0] && x <= geometry.left[last] + geometry.width[last]))
        return -1;
    for (int i = 0; i < n; ++i) {
        if (geometry.left[static_cast<std::size_t>(i)] >= x)
            return i - 1;
    }
    return n - 1;
}

} // namespace tabstrip
