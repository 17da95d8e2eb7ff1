#pragma once

// Screen readers see a LightTab as a list of page tabs named by their captions, the active one
// selected. Safe to call more than once; call it before a strip can first be asked for its
// interface.
void installLightTabAccessibility();
