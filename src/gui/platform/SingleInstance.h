#pragma once

#include <QLockFile>

#include <memory>

namespace tesmi {

// One running copy per user: a lock file in the user's runtime directory that the
// system releases when the process ends, however it ends.
class SingleInstance {
public:
    explicit SingleInstance(const QString &name);
    // False when another copy holds the lock.
    bool acquire();

private:
    std::unique_ptr<QLockFile> lock_;
};

} // namespace tesmi
