#include "app/ui/AppStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>
#include <QStyleOption>

namespace {

// Stands for a standard icon of the style until the icon is first asked for
// its size or its picture.
class DeferredStandardIcon : public QIconEngine {
public:
    DeferredStandardIcon(const QStyle *style, QStyle::StandardPixmap which, Qt::LayoutDirection direction)
        : m_style(style), m_which(which), m_direction(direction)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new DeferredStandardIcon(*this); }
    QString key() const override { return QStringLiteral("QuillnavDeferredStandardIcon"); }

private:
    const QIcon &icon()
    {
        if (!m_made) {
            m_made = true;
            QStyleOption option;
            option.direction = m_direction; // the pictures point the reading way
            if (m_style)
                m_icon = m_style->standardIcon(m_which, &option);
        }
        return m_icon;
    }

    QPointer<const QStyle> m_style; // the wrapped style, which draws it
    QStyle::StandardPixmap m_which;
    Qt::LayoutDirection m_direction;
    QIcon m_icon;
    bool m_made = false;
};

} // namespace

void AppStyle::install()
{
    if (qobject_cast<AppStyle *>(QApplication::style()))
        return;
    // The proxy takes the current style over; the application keeps the proxy.
    QApplication::setStyle(new AppStyle(QApplication::style()));
}

QIcon AppStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredStandardIcon(
            baseStyle(), icon, option ? option->direction : QGuiApplication::layoutDirection()));
    return QProxyStyle::standardIcon(icon, option, widget);
}
