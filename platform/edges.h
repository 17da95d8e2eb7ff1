#pragma once

#include "edgestyle.h"

#include <QColor>
#include <QPalette>
#include <QRect>

class QPainter;

// Three-dimensional edges and the dotted focus rectangle of the standard button look.
namespace edges {

// Draws the rings along all four sides of `rect` (right and bottom edges at right() and
// bottom()). Top and left take the light colour of a raised ring, bottom and right the dark
// one, and the reverse for a sunken ring; a ring with only inner bits is drawn in the outer
// position. Colours come from `palette` (light, midlight, dark, shadow, button, base).
void drawEdge(QPainter& painter, QRect& rect, unsigned border, unsigned flags,
              const QPalette& palette);

// A dotted rectangle (every other pixel) along the inside of `rect`.
void drawFocusRect(QPainter& painter, const QRect& rect, const QColor& color);

} // namespace edges
