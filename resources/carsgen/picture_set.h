// Named pictures and how a set of them is handed to rcc.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace carsgen {

struct Picture {
    QString name; // looked up by the program as <name>.png
    QImage image;
};
using PictureSet = std::vector<Picture>;

// Writes every picture as a PNG into `directory` and a resource list `qrcFileName`
// that serves them under `prefix`. Returns false with a message on stderr on failure.
bool writePictureSet(const PictureSet& pictures, const QString& directory, const QString& prefix,
                     const QString& qrcFileName);

} // namespace carsgen
