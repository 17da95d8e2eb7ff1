#pragma once

#include <QColor>
#include <QPalette>
#include <QRect>

class QPainter;

// Three-dimensional edges and the dotted focus rectangle of the standard button look.
namespace edges {

// Which rings to draw: the outer ring first, then the inner one inside it.
enum Border : unsigned {
    RaisedOuter = 0x1,
    SunkenOuter = 0x2,
    RaisedInner = 0x4,
    SunkenInner = 0x8,
    Raised = RaisedOuter | RaisedInner,
    Sunken = SunkenOuter | SunkenInner,
    Etched = SunkenOuter | RaisedInner,
    Bump = RaisedOuter | SunkenInner,
};

enum Flag : unsigned {
    Flat = 0x1,   // outer ring in the shadow colour, inner ring in the face colour
    Mono = 0x2,   // outer ring black, inner ring in the window colour
    Adjust = 0x4, // `rect` shrinks by the rings drawn
};

// Draws the rings along all four sides of `rect` (right and bottom edges at right() and
// bottom()). Top and left take the light colour of a raised ring, bottom and right the dark
// one, and the reverse for a sunken ring; a ring with only inner bits is drawn in the outer
// position. Colours come from `palette` (light, midlight, dark, shadow, button, base).
void drawEdge(QPainter& painter, QRect& rect, unsigned border, unsigned flags,
              const QPalette& palette);

// A dotted rectangle (every other pixel) along the inside of `rect`.
void drawFocusRect(QPainter& painter, const QRect& rect, const QColor& color);

} // namespace edges
