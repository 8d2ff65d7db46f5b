#pragma once

#include <QHash>
#include <QIconEngine>
#include <memory>

class QSvgRenderer;

// An icon drawn from one SVG file of the program's resources. The toolbar
// pictures come drawn at their own size and at twice it by the build
// (:/prerendered/icons.bin), so start-up reads no SVG at all; other sizes,
// and other pictures, are drawn from the file when first needed, reading it
// once. (Qt's own SVG icons read the file when the icon is made and again
// when it is drawn, and load a plugin to do it.)
class SvgIcon : public QIconEngine {
public:
    static QIcon make(const QString &path);
    // The sizes the build drew `path` at, smallest first; empty for others.
    static QList<QSize> prerenderedSizes(const QString &path);

    explicit SvgIcon(const QString &path);
    ~SvgIcon() override;

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;
    bool isNull() override;

private:
    QSvgRenderer &renderer();
    QImage draw(const QSize &size);

    QString m_path;
    std::unique_ptr<QSvgRenderer> m_renderer;
    QHash<QString, QPixmap> m_pixmaps; // by size and mode
};
