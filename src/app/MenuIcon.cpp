#include "app/MenuIcon.h"

#include <QImage>
#include <QPixmap>
#include <QResource>

namespace {

// A picture of `side` x `side` pixels made straight from the resource's bytes, which are
// stored uncompressed: there is nothing to unpack and no image format to load.
QPixmap readPicture(const QString& path, int side, qreal devicePixelRatio)
{
    const QResource resource(path);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() != qint64(side) * side * 4)
        return {};
    const QImage pixels(reinterpret_cast<const uchar*>(resource.data()), side, side,
                        QImage::Format_RGBA8888);
    QPixmap picture = QPixmap::fromImage(pixels);
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

} // namespace

QIcon MenuIcon::load(const QString& name, qreal devicePixelRatio)
{
    QIcon icon;
    const QString path = QStringLiteral(":/icons/%1").arg(name);
    if (const QPixmap normal = readPicture(path + QStringLiteral(".rgba"), Size, 1);
        !normal.isNull())
        icon.addPixmap(normal);
    if (devicePixelRatio > 1) {
        if (const QPixmap sharp = readPicture(path + QStringLiteral("@2x.rgba"), 2 * Size, 2);
            !sharp.isNull())
            icon.addPixmap(sharp);
    }
    return icon;
}
