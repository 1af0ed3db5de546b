// qv3307-iconraster SIZE OUTPUT_FOLDER SVG...: draws each SVG drawing as NAME.rgba, a
// picture of SIZE x SIZE pixels, and NAME@2x.rgba of twice that, for screens with two
// device pixels to a pixel. A picture is its pixels and nothing else, row by row from the
// top, each pixel four bytes: red, green, blue and alpha, the colour not multiplied by the
// alpha (QImage::Format_RGBA8888).
//
// The build runs it, so that the window shows its menu icons from ready-made pictures: an
// SVG drawing would have to be read and drawn at start-up, with the SVG library loaded for
// it, before the first frame, and even a PNG picture has to be unpacked. The pictures are
// built into the program uncompressed, so that an icon is made straight from its bytes.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

bool drawIcon(const QString& svgPath, int size, const QString& picturePath)
{
    QSvgRenderer drawing(svgPath);
    if (!drawing.isValid()) {
        std::fprintf(stderr, "qv3307-iconraster: %s is not an SVG drawing\n", qPrintable(svgPath));
        return false;
    }
    // As the SVG icon engine draws an icon: on a transparent square of the asked size.
    QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    drawing.render(&painter);
    painter.end();
    const QImage pixels = picture.convertToFormat(QImage::Format_RGBA8888);
    QFile file(picturePath);
    bool written = file.open(QIODevice::WriteOnly);
    for (int y = 0; written && y < size; ++y) {
        const auto* row = reinterpret_cast<const char*>(pixels.constScanLine(y));
        written = file.write(row, qint64(size) * 4) == qint64(size) * 4;
    }
    if (!written || !file.flush()) {
        std::fprintf(stderr, "qv3307-iconraster: cannot write %s\n", qPrintable(picturePath));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    bool sizeRead = false;
    const int size = arguments.value(1).toInt(&sizeRead);
    if (arguments.size() < 4 || !sizeRead || size <= 0) {
        std::fprintf(stderr, "usage: qv3307-iconraster SIZE OUTPUT_FOLDER SVG...\n");
        return 2;
    }
    const QDir output(arguments[2]);
    if (!output.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "qv3307-iconraster: cannot make %s\n", qPrintable(arguments[2]));
        return 1;
    }
    for (const QString& svgPath : arguments.mid(3)) {
        const QString name = QFileInfo(svgPath).completeBaseName();
        if (!drawIcon(svgPath, size, output.filePath(name + QStringLiteral(".rgba"))) ||
            !drawIcon(svgPath, 2 * size, output.filePath(name + QStringLiteral("@2x.rgba"))))
            return 1;
    }
    return 0;
}
