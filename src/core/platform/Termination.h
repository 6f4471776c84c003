#pragma once

namespace tesmi {

// Thrown by test doubles of Termination so that the calling code stops where the
// real program would end; guarded operations let it pass untouched.
struct TerminationRequested {
    int exitCode;
};

// Ends the program. Production exits the process.
class Termination {
public:
    virtual ~Termination() = default;
    [[noreturn]] virtual void terminate(int exitCode) = 0;
};

} // namespace tesmi
