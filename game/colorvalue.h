#pragma once

#include <cstdint>

// A colour value as the saved designs and the game's tables hold it: 0x00BBGGRR for a plain
// colour (red in the low byte); with the high bit set, the low 24 bits name a system colour
// that is looked up in a palette when drawing.
using ColorValue = std::uint32_t;
