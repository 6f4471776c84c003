#pragma once

#include <QString>

namespace tesmi {

// One running copy per user: an exclusive lock on a file in the user's runtime
// directory. The system drops the lock when the process ends, however it ends,
// and taking it writes nothing to disk.
class SingleInstance {
public:
    explicit SingleInstance(const QString &name);
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // False when another copy holds the lock. A lock file that cannot be made
    // at all does not keep the program from running.
    bool acquire();

private:
    QString path_;
    int fd_ = -1;
};

} // namespace tesmi
