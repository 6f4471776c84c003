// carsgen draws the pictures the program looks up by name and writes them,
// with a resource list for rcc, into a folder.
#include "pictures.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Text is drawn with real fonts, which need a platform; the build runs us offscreen.
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("pack"))
        return carsgen::writePictureSet(carsgen::packPictures(), arguments[2], QStringLiteral("/"),
                                        QStringLiteral("pack.qrc")) ? 0 : 1;
    if (arguments.size() == 3 && arguments[1] == QLatin1String("builtin"))
        return carsgen::writePictureSet(carsgen::builtinPictures(), arguments[2], QStringLiteral("/builtin"),
                                        QStringLiteral("builtin.qrc")) ? 0 : 1;
    std::fprintf(stderr, "usage: carsgen pack|builtin <output-folder>\n");
    return 2;
}
