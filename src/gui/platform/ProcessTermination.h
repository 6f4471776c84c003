#pragma once

#include "platform/Termination.h"

namespace tesmi {

class ProcessTermination final : public Termination {
public:
    [[noreturn]] void terminate(int exitCode) override;
};

} // namespace tesmi
