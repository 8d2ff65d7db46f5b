#include "app/ui/SvgIcon.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

QIcon SvgIcon::make(const QString &path)
{
    return QIcon(new SvgIcon(path));
}

SvgIcon::SvgIcon(const QString &path)
    : m_path(path)
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
    const QSize natural = renderer().defaultSize();
    if (natural.isEmpty())
        return {};
    return natural.scaled(size, Qt::KeepAspectRatio);
}

QPixmap SvgIcon::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    const QSize actual = actualSize(size, mode, state);
    if (actual.isEmpty())
        return {};
    const QString key = QStringLiteral("%1x%2:%3").arg(actual.width()).arg(actual.height()).arg(int(mode));
    if (const auto found = m_pixmaps.constFind(key); found != m_pixmaps.cend())
        return *found;

    QImage image(actual, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer().render(&painter);
    painter.end();
    QPixmap result = QPixmap::fromImage(image);
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
    return !QFile::exists(m_path);
}
