#pragma once

#include <QString>
#include <array>

// The tab strip's rules without a widget: caption items and hit testing.
namespace tabstrip {

inline constexpr int kMaxTabs = 10;
inline constexpr QChar kSeparator = QLatin1Char('|');

// Item `index` of a caption string in which every item is followed by "|": the text before the
// first "|" for item 0, the text between the index-th and the next "|" (or the end) after it.
// Empty when the string has fewer items.
QString CaptionItem(const QString& caption, int index);

// The caption string with item `index` replaced by `text`; the other items and separators stay.
// A string with fewer items first gets empty items, so the separators never shift.
QString ReplaceCaptionItem(const QString& caption, int index, const QString& text);

// Left edges and widths of the ten tab slots, pixels, in the strip's coordinates.
struct TabGeometry {
    std::array<int, kMaxTabs> left{};
    std::array<int, kMaxTabs> width{};
};

// The tab under a press at `x` on a strip of `count` tabs, or -1 outside them. The press must
// lie right of tab 0's left edge and at most at the last tab's right end; a boundary belongs
// to the tab on its left.
int HitTab(const TabGeometry& geometry, int count, double x);

} // namespace tabstrip
