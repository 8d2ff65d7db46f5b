#include "app/ui/SvgIcon.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QResource>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <cstring>

namespace {

// The pictures the build drew, by resource name, smallest first. The images
// use the pixels where the resource keeps them (stored uncompressed).
const QHash<QString, QList<QImage>> &prerendered()
{
    static const QHash<QString, QList<QImage>> images = [] {
        QHash<QString, QList<QImage>> result;
        const QResource resource(QStringLiteral(":/prerendered/icons.bin"));
        if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
            return result;
        const uchar *at = resource.data();
        const uchar *const end = at + resource.size();
        const auto take = [&](quint32 &value) {
            if (end - at < qsizetype(sizeof value))
                return false;
            std::memcpy(&value, at, sizeof value);
            at += sizeof value;
            return true;
        };
        quint32 nameSize = 0, width = 0, height = 0;
        while (take(nameSize) && quint64(end - at) >= (quint64(nameSize) + 3) / 4 * 4) {
            const QString path = QString::fromUtf8(reinterpret_cast<const char *>(at), nameSize);
            at += (nameSize + 3) / 4 * 4;
            if (!take(width) || !take(height) || width == 0 || height == 0 || width > 4096 || height > 4096
                || quint64(end - at) < quint64(width) * height * 4)
                break; // a damaged set: what was read stays usable
            QImage image(at, int(width), int(height), int(width) * 4, QImage::Format_ARGB32_Premultiplied);
            if (reinterpret_cast<quintptr>(at) % alignof(quint32) != 0)
                image = image.copy(); // the pixels must be word-aligned
            result[path] << image;
            at += quint64(width) * height * 4;
        }
        return result;
    }();
    return images;
}

} // namespace

QIcon SvgIcon::make(const QString &path)
{
    return QIcon(new SvgIcon(path));
}

QList<QSize> SvgIcon::prerenderedSizes(const QString &path)
{
    QList<QSize> sizes;
    for (const QImage &image : prerendered().value(path))
        sizes << image.size();
    return sizes;
}

SvgIcon::SvgIcon(const QString &path) : m_path(path)
{
}

SvgIcon::~SvgIcon() = default;

QSvgRenderer &SvgIcon::renderer()
{
    if (!m_renderer)
        m_renderer = std::make_unique<QSvgRenderer>(m_path);
    return *m_renderer;
}

QSize SvgIcon::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    const QList<QImage> drawn = prerendered().value(m_path);
    const QSize natural = drawn.isEmpty() ? renderer().defaultSize() : drawn.first().size();
    if (natural.isEmpty())
        return {};
    return natural.scaled(size, Qt::KeepAspectRatio);
}

QImage SvgIcon::draw(const QSize &size)
{
    for (const QImage &image : prerendered().value(m_path))
        if (image.size() == size)
            return image;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer().render(&painter);
    return image;
}

QPixmap SvgIcon::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    const QSize actual = actualSize(size, mode, state);
    if (actual.isEmpty())
        return {};
    const QString key = QStringLiteral("%1x%2:%3").arg(actual.width()).arg(actual.height()).arg(int(mode));
    if (const auto found = m_pixmaps.constFind(key); found != m_pixmaps.cend())
        return *found;

    QPixmap result = QPixmap::fromImage(draw(actual));
    if (mode != QIcon::Normal && qobject_cast<QApplication *>(QCoreApplication::instance())) {
        // Disabled and selected looks come from the style, as for any icon.
        QStyleOption option;
        option.palette = QApplication::palette();
        const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, result, &option);
        if (!generated.isNull())
            result = generated;
    }
    m_pixmaps.insert(key, result);
    return result;
}

QList<QSize> SvgIcon::availableSizes(QIcon::Mode, QIcon::State)
{
    return prerenderedSizes(m_path);
}

void SvgIcon::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap picture = pixmap(rect.size() * ratio, mode, state);
    if (picture.isNull())
        return;
    picture.setDevicePixelRatio(ratio);
    const QSize shown = picture.deviceIndependentSize().toSize();
    painter->drawPixmap(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, shown, rect), picture);
}

QIconEngine *SvgIcon::clone() const
{
    return new SvgIcon(m_path);
}

QString SvgIcon::key() const
{
    return QStringLiteral("QuillnavSvgIcon");
}

bool SvgIcon::isNull()
{
    return !prerendered().contains(m_path) && !QFile::exists(m_path);
}
