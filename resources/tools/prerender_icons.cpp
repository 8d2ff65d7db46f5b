// Build step: draws the toolbar pictures at their own size and at twice it,
// so that the program shows them at start-up without reading any SVG.
//   prerender_icons OUTPUT RESOURCE_ROOT FILE.svg...
// Each picture is stored as: name length, the resource name in UTF-8
// (":/icons/toolbar/help.svg") padded to 4 bytes, width, height, then the
// premultiplied ARGB32 pixels; numbers are 32-bit in this machine's byte
// order, so the program uses the pixels where they lie.
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <cstdio>

namespace {

void put(QByteArray &out, quint32 value)
{
    out.append(reinterpret_cast<const char *>(&value), sizeof value);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fputs("usage: prerender_icons OUTPUT RESOURCE_ROOT FILE.svg...\n", stderr);
        return 2;
    }
    QSaveFile out(args[1]);
    if (!out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "prerender_icons: cannot write %s: %s\n", qPrintable(args[1]), qPrintable(out.errorString()));
        return 1;
    }
    QByteArray data;
    const QDir root(args[2]);
    for (const QString &file : args.mid(3)) {
        QSvgRenderer renderer(file);
        if (!renderer.isValid() || renderer.defaultSize().isEmpty()) {
            std::fprintf(stderr, "prerender_icons: %s is not a drawable SVG file\n", qPrintable(file));
            return 1;
        }
        for (int scale : {1, 2}) {
            QImage image(renderer.defaultSize() * scale, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            renderer.render(&painter);
            painter.end();
            QByteArray name = (QStringLiteral(":/") + root.relativeFilePath(file)).toUtf8();
            put(data, quint32(name.size()));
            data += name.leftJustified((name.size() + 3) / 4 * 4, '\0');
            put(data, quint32(image.width()));
            put(data, quint32(image.height()));
            data.append(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
        }
    }
    if (out.write(data) != data.size() || !out.commit()) {
        std::fprintf(stderr, "prerender_icons: cannot write %s: %s\n", qPrintable(args[1]), qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
