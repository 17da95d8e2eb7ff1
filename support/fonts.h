#pragma once

#include <QFont>
#include <QString>

// The game's designed faces on any system: "Arial" and "MS Sans Serif" map to an installed
// sans-serif ("Liberation Sans", then "DejaVu Sans", then the system's sans-serif).
QFont ArialFont(double pointSize, bool bold = false);
QFont SansSerifFont(double pointSize, bool bold = false);

// Height of `text` in `font`, in twips: one font line per text line.
double TextHeightTwips(const QFont& font, const QString& text, double twipsPerPixelY);
