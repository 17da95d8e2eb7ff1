#pragma once

// The kinds of three-dimensional edges of the standard button look (see edges.h).
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

} // namespace edges
