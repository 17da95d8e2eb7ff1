#pragma once

// Window geometry in the game's rules is measured in twips (1/1440 inch). These convert at
// the widget boundary with the primary screen's logical DPI (15 twips per pixel at 96 DPI).
namespace twips {

// Twips per pixel of the primary screen; 15 when there is no screen yet.
double perPixelX();
double perPixelY();

// Twips -> pixels, rounded to the nearest whole pixel.
int toPixelsX(double twips);
int toPixelsY(double twips);

} // namespace twips
