#pragma once

#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/Prompts.h"
#include "platform/RandomSource.h"
#include "platform/Termination.h"

namespace tesmi {

// The outside world as the core sees it; production wires the real pieces,
// tests wire fakes.
struct Platform {
    Clock &clock;
    RandomSource &random;
    Prompts &prompts;
    Termination &termination;
    Desktop &desktop;
};

} // namespace tesmi
