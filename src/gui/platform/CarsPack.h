#pragma once

#include <QPixmap>
#include <QString>

class QLabel;

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

// Shows or hides a label showing the built-in picture named as the label. The
// picture is read when first shown, so the hidden alternatives cost nothing.
void ShowBuiltinPicture(QLabel &label, bool shown);

} // namespace tesmi
