#pragma once

#include <QRect>
#include <QtGlobal>

// Window geometry is designed in twips (1/1440 inch). A scale converts it to
// pixels at a device's logical resolution: 15 twips a pixel at 96 dots per inch.
class Twips {
public:
    static constexpr int kPerInch = 1440;

    Twips(qreal dpiX, qreal dpiY) : m_dpiX(dpiX > 0 ? dpiX : 96), m_dpiY(dpiY > 0 ? dpiY : 96) {}

    int x(int twips) const { return qRound(twips * m_dpiX / kPerInch); }
    int y(int twips) const { return qRound(twips * m_dpiY / kPerInch); }
    int toTwipsX(int pixels) const { return qRound(pixels * kPerInch / m_dpiX); }
    int toTwipsY(int pixels) const { return qRound(pixels * kPerInch / m_dpiY); }
    QRect rect(int left, int top, int width, int height) const
    {
        return {x(left), y(top), x(width), y(height)};
    }

private:
    qreal m_dpiX;
    qreal m_dpiY;
};
