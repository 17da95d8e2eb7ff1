#pragma once

#include <QPointF>
#include <QSize>
#include <QSizeF>

class QWidget;

// Used when there is no screen to ask.
inline constexpr QSize kFallbackScreenSize{1024, 768};

// Size of the primary screen in pixels, width first.
QSize GetScreenSize();

// Top-left corner (twips) that centres a window of `windowTwips` (outer size, twips) on a
// screen of `screenPixels`.
QPointF CentredTopLeft(QSize screenPixels, double twipsPerPixelX, double twipsPerPixelY,
                       QSizeF windowTwips);

// Moves a top-level window so that its frame is centred on the primary screen.
void CentreForm(QWidget* window);
