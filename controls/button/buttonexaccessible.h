#pragma once

// Makes every ButtonEx a push button to assistive technology: its accessible name (or else
// its caption without the access-key marks) as the name, "press" clicks it (through the event
// loop, so that a modal window it opens does not hold the call), and a two-state
// button reports whether it is latched. Safe to call more than once.
void installButtonExAccessibility();
