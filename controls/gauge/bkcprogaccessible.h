#pragma once

// Makes every bkCProg a progress bar to assistive technology: its accessible name as the name,
// Value through the value interface (read-only, Min..Max) and the value text as it is drawn.
// Safe to call more than once; call it before a gauge can first be asked for its interface.
void installBkCProgAccessibility();
