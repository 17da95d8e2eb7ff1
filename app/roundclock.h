#pragma once

#include "propertybag.h"

// The round clock's saved design (kRoundClockDesign) as a property bag, ready for
// bkCProg::ReadProperties().
PropertyBag roundClockDesign();
