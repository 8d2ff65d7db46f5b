#pragma once

#include <QProxyStyle>

// The program's style: the desktop's own, except that the pictures of the
// extension buttons of menu bars and toolbars (shown only when a bar is too
// narrow for its contents) are loaded when first drawn, not when the bar is
// made. Loading them is the first raster image of the run and loads Qt's image
// plugins, a few milliseconds of every start-up otherwise.
class AppStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    // Wraps the application's current style; call before the first window.
    static void install();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
