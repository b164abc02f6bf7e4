// Build-time tool: renders an SVG picture into a square PNG of the given size
// in pixels, for the launcher icons of the hicolor theme.
//
//     kestrova_icon_renderer <picture.svg> <icon.png> <size>
//
// The picture is drawn with its aspect ratio kept, centred on a transparent
// square. The icon artwork has no text, so no QGuiApplication (and hence no
// platform plugin) is needed at build time.
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>
#include <string>

namespace {

constexpr int kLargestSize = 4096;

int Fail(const std::string& message)
{
    std::fprintf(stderr, "kestrova_icon_renderer: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        return Fail("usage: kestrova_icon_renderer <picture.svg> <icon.png> <size>");
    }
    const QString picturePath = QString::fromLocal8Bit(argv[1]);
    const QString iconPath = QString::fromLocal8Bit(argv[2]);

    bool sizeRead = false;
    const int size = QString::fromLocal8Bit(argv[3]).toInt(&sizeRead);
    if (!sizeRead || size < 1 || size > kLargestSize) {
        return Fail(std::string("size must be a whole number of pixels from 1 to ")
                    + std::to_string(kLargestSize) + ", not '" + argv[3] + "'");
    }

    QSvgRenderer renderer(picturePath);
    if (!renderer.isValid()) {
        return Fail(std::string("cannot read the SVG picture ") + argv[1]);
    }
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }

    // A picture that parses but draws nothing (an element Qt SVG ignores,
    // a viewBox off the drawing) would otherwise install blank icons.
    bool drawn = false;
    for (int y = 0; y < size && !drawn; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < size && !drawn; ++x)
            drawn = qAlpha(line[x]) != 0;
    }
    if (!drawn) {
        return Fail(std::string("the SVG picture ") + argv[1] + " draws nothing at "
                    + std::to_string(size) + " pixels");
    }

    // PNG stores straight (not premultiplied) alpha.
    if (!image.convertToFormat(QImage::Format_ARGB32).save(iconPath, "PNG")) {
        return Fail(std::string("cannot write the PNG icon ") + argv[2]);
    }
    return 0;
}
