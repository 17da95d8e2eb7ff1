#pragma once

#include <string>
#include <string_view>

// `text` as a JSON string literal, quotes included: quote, backslash and control characters
// escaped, everything else (UTF-8 included) as it is.
std::string JsonString(std::string_view text);
