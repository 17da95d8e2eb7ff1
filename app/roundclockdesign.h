#pragma once

#include "propertybag.h"

// The saved design of the main window's round clock `cp1`: a one-minute face (Max 60) on light
// blue, a yellow-to-teal arc, grey ticks every 5 seconds, a black needle and the seconds in
// shadowed orange. Positions are in twips as stored (15 twips per pixel at 96 DPI).
// Load it with bkCProg::ReadProperties(); the seconds show with setShowValue(true).
PropertyBag roundClockDesign();
