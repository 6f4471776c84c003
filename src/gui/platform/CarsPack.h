#pragma once

#include <QPixmap>
#include <QString>

namespace tesmi {

// The picture bundle cars.dll beside the executable, looked up by picture name.
class CarsPack {
public:
    // False when the file is missing or not a picture bundle.
    bool open(const QString &path);
    // A null pixmap when the bundle holds no such picture.
    QPixmap picture(const QString &name) const;

private:
    QString path_;
};

// The program's own compiled-in pictures (start lights, level badge, medals).
QPixmap BuiltinPicture(const QString &name);

} // namespace tesmi
