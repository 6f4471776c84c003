#pragma once

#include "platform/Prompts.h"
#include "platform/Termination.h"

#include <QString>
#include <cstdlib>
#include <utility>

namespace tesmi {

inline QString FatalErrorMessage(const QString &code)
{
    return QStringLiteral("Программа будет закрыта. Код ошибки: ") + code;
}

// Runs an operation whose failure the program cannot recover from: any exception
// is reported with the operation's code and the program ends.
class Guard {
public:
    Guard(Prompts &prompts, Termination &termination) : prompts_(prompts), termination_(termination) {}

    template <typename Operation>
    auto run(const QString &code, Operation &&operation) const -> decltype(operation())
    {
        try {
            return std::forward<Operation>(operation)();
        } catch (const TerminationRequested &) {
            throw;
        } catch (...) {
            fail(code);
        }
    }

    [[noreturn]] void fail(const QString &code) const { refuse(FatalErrorMessage(code)); }

    // Tells the user why the program cannot go on, then ends it.
    [[noreturn]] void refuse(const QString &message) const
    {
        prompts_.message(message);
        termination_.terminate(1);
        std::abort(); // a Termination that returns breaks its contract
    }

private:
    Prompts &prompts_;
    Termination &termination_;
};

} // namespace tesmi
