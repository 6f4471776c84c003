#include "picture_set.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamWriter>

#include <cstdio>

namespace carsgen {
namespace {

bool fail(const QString& message)
{
    std::fprintf(stderr, "carsgen: %s\n", qPrintable(message));
    return false;
}

// Files on disk get plain ASCII names so no tool on the way depends on the
// locale; the real (often Cyrillic) names are the aliases in the resource list.
QString fileNameFor(qsizetype index)
{
    return QStringLiteral("%1.png").arg(index, 4, 10, QLatin1Char('0'));
}

} // namespace

bool writePictureSet(const PictureSet& pictures, const QString& directory, const QString& prefix,
                     const QString& qrcFileName)
{
    const QDir dir(directory);
    if (!dir.mkpath(QStringLiteral(".")))
        return fail(QStringLiteral("cannot create %1").arg(directory));

    QFile qrc(dir.filePath(qrcFileName));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(QStringLiteral("cannot write %1").arg(qrc.fileName()));
    QXmlStreamWriter xml(&qrc);
    xml.setAutoFormatting(true);
    xml.writeStartElement(QStringLiteral("RCC"));
    xml.writeStartElement(QStringLiteral("qresource"));
    xml.writeAttribute(QStringLiteral("prefix"), prefix);
    for (qsizetype i = 0; i < qsizetype(pictures.size()); ++i) {
        const Picture& picture = pictures[std::size_t(i)];
        const QString fileName = fileNameFor(i);
        if (!picture.image.convertToFormat(QImage::Format_ARGB32).save(dir.filePath(fileName), "PNG"))
            return fail(QStringLiteral("cannot write %1 (%2)").arg(fileName, picture.name));
        xml.writeStartElement(QStringLiteral("file"));
        xml.writeAttribute(QStringLiteral("alias"), picture.name + QStringLiteral(".png"));
        xml.writeCharacters(fileName);
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    return !xml.hasError() || fail(QStringLiteral("cannot write %1").arg(qrc.fileName()));
}

} // namespace carsgen
