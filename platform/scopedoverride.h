#pragma once

#include <utility>

// Puts `replacement` in `slot` for the object's lifetime; the previous value returns after.
// The seams that tests replace (message boxes, link opening) are built on it.
template <typename T> class ScopedOverride {
public:
    ScopedOverride(T& slot, T replacement)
        : m_slot(slot), m_previous(std::exchange(slot, std::move(replacement))) {}
    ~ScopedOverride() { m_slot = std::move(m_previous); }
    ScopedOverride(const ScopedOverride&) = delete;
    ScopedOverride& operator=(const ScopedOverride&) = delete;

private:
    T& m_slot;
    T m_previous;
};
