#include "app/MenuIcon.h"

#include <QImage>
#include <QImageReader>
#include <QPixmap>

namespace {

// Read as PNG and nothing else: a reader left to find the format itself first loads every
// image format plugin there is to ask whether it knows the file better.
QPixmap readPicture(const QString& path, qreal devicePixelRatio)
{
    QImageReader reader(path, QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    QPixmap picture = QPixmap::fromImage(reader.read());
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

} // namespace

QIcon MenuIcon::load(const QString& name, qreal devicePixelRatio)
{
    QIcon icon;
    const QString path = QStringLiteral(":/icons/%1").arg(name);
    if (const QPixmap normal = readPicture(path + QStringLiteral(".png"), 1); !normal.isNull())
        icon.addPixmap(normal);
    if (devicePixelRatio > 1) {
        if (const QPixmap sharp = readPicture(path + QStringLiteral("@2x.png"), 2); !sharp.isNull())
            icon.addPixmap(sharp);
    }
    return icon;
}
