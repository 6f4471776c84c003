#include "platform/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace tesmi {

SingleInstance::SingleInstance(const QString &name)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    lock_ = std::make_unique<QLockFile>(QDir(dir).filePath(name + QStringLiteral(".lock")));
    // A lock left by a crashed copy is recognised by its dead process id, never by age.
    lock_->setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    return lock_->tryLock(0);
}

} // namespace tesmi
