#pragma once

#include <QHash>
#include <QIconEngine>
#include <memory>

class QSvgRenderer;

// An icon drawn from one SVG file of the program's resources. The file is
// read the first time the icon is measured or drawn, and each size is drawn
// once. Qt's own SVG icons read the file when the icon is made and again for
// every size, and load a plugin to do it: at start-up, with two toolbars of
// icons, that is time the user waits for.
class SvgIcon : public QIconEngine {
public:
    static QIcon make(const QString &path);

    explicit SvgIcon(const QString &path);
    ~SvgIcon() override;

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;
    bool isNull() override;

private:
    QSvgRenderer &renderer();

    QString m_path;
    std::unique_ptr<QSvgRenderer> m_renderer;
    QHash<QString, QPixmap> m_pixmaps; // by size and mode
};
