#include "platform/CarsPack.h"

#include <QFileInfo>
#include <QResource>

namespace tesmi {

namespace {
const QString kCarsRoot = QStringLiteral("/cars");
}

bool CarsPack::open(const QString &path)
{
    if (!path_.isEmpty())
        QResource::unregisterResource(path_, kCarsRoot);
    path_.clear();
    if (!QFileInfo::exists(path) || !QResource::registerResource(path, kCarsRoot))
        return false;
    path_ = path;
    return true;
}

QPixmap CarsPack::picture(const QString &name) const
{
    return QPixmap(QStringLiteral(":/cars/%1.png").arg(name));
}

QPixmap BuiltinPicture(const QString &name)
{
    return QPixmap(QStringLiteral(":/builtin/%1.png").arg(name));
}

} // namespace tesmi
