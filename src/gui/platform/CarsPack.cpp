#include "platform/CarsPack.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPixmapCache>
#include <QResource>

namespace tesmi {

namespace {

const QString kCarsRoot = QStringLiteral("/cars");

// Every picture is a PNG; naming the format keeps Qt from loading each
// installed image plugin (and the libraries behind them) to guess it.
QPixmap readPng(const QString &path)
{
    QPixmap picture;
    if (QPixmapCache::find(path, &picture))
        return picture;
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    picture = QPixmap::fromImage(reader.read());
    if (!picture.isNull())
        QPixmapCache::insert(path, picture);
    return picture;
}

} // namespace

bool CarsPack::open(const QString &path)
{
    if (!path_.isEmpty())
        QResource::unregisterResource(path_, kCarsRoot);
    path_.clear();
    QPixmapCache::clear(); // pictures read from an earlier bundle
    if (!QFileInfo::exists(path) || !QResource::registerResource(path, kCarsRoot))
        return false;
    path_ = path;
    return true;
}

QPixmap CarsPack::picture(const QString &name) const
{
    return readPng(QStringLiteral(":/cars/%1.png").arg(name));
}

QPixmap BuiltinPicture(const QString &name)
{
    return readPng(QStringLiteral(":/builtin/%1.png").arg(name));
}

void ShowBuiltinPicture(QLabel &label, bool shown)
{
    if (shown && label.pixmap().isNull())
        label.setPixmap(BuiltinPicture(label.objectName()));
    label.setVisible(shown);
}

} // namespace tesmi
