#pragma once

#include "messagebox.h"

#include <vector>

// Keeps the message boxes asked for while it lives, in place of showing them.
struct MessageBoxLog {
    std::vector<MessageBoxCall> calls;
    ScopedMessageBoxPresenter presenter{
        [this](QWidget*, const MessageBoxCall& call) { calls.push_back(call); }};
};
