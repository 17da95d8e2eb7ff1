#pragma once

class QKeyEvent;

// Whether a digits-only field swallows this key press: a typed character other than the
// digits "0" to "9". Editing keys, Enter and shortcuts (Ctrl+V) pass; what a paste brings in
// is checked when the field is left.
bool SwallowsTypedKey(const QKeyEvent& key);
