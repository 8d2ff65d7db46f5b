#pragma once

// Writes the smallest TrueType font that fontconfig and Qt list as a family of
// its own: blank glyphs for U+0020..U+024F, a name table and the metrics
// tables. Used to give the font database thousands of families.
#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <functional>

namespace tinyfont {

inline QByteArray bytes(const std::function<void(QDataStream &)> &write)
{
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly); // big-endian, as TrueType wants
    write(s);
    return out;
}

inline QByteArray make(const QString &family)
{
    constexpr quint16 first = 0x20, last = 0x24F, glyphs = last - first + 2;
    QList<QPair<QByteArray, QByteArray>> tables; // tag, data; tags in order
    tables << qMakePair(QByteArray("OS/2"), bytes([](QDataStream &s) {
                            s << quint16(1) << qint16(500) << quint16(400) << quint16(5) << quint16(0);
                            for (int i = 0; i < 11; ++i)
                                s << qint16(0);
                            for (int i = 0; i < 10; ++i)
                                s << quint8(0);
                            s << quint32(3) << quint32(0) << quint32(0) << quint32(0);
                            s.writeRawData("QNVB", 4);
                            s << quint16(0x40) << quint16(first) << quint16(last) << qint16(800)
                              << qint16(-200) << qint16(0) << quint16(800) << quint16(200) << quint32(1)
                              << quint32(0);
                        }));
    tables << qMakePair(QByteArray("cmap"), bytes([](QDataStream &s) {
                            s << quint16(0) << quint16(1) << quint16(3) << quint16(1) << quint32(12);
                            s << quint16(4) << quint16(32) << quint16(0) << quint16(4) << quint16(4)
                              << quint16(1) << quint16(0) << quint16(last) << quint16(0xFFFF) << quint16(0)
                              << quint16(first) << quint16(0xFFFF) << quint16(quint16(1 - first))
                              << quint16(1) << quint16(0) << quint16(0);
                        }));
    tables << qMakePair(QByteArray("glyf"), QByteArray(4, '\0'));
    tables << qMakePair(QByteArray("head"), bytes([](QDataStream &s) {
                            s << quint32(0x10000) << quint32(0x10000) << quint32(0) << quint32(0x5F0F3CF5)
                              << quint16(0xB) << quint16(1000) << quint64(0) << quint64(0) << qint16(0)
                              << qint16(0) << qint16(500) << qint16(700) << quint16(0) << quint16(8)
                              << qint16(2) << qint16(0) << qint16(0);
                        }));
    tables << qMakePair(QByteArray("hhea"), bytes([](QDataStream &s) {
                            s << quint32(0x10000) << qint16(800) << qint16(-200) << qint16(0) << quint16(500)
                              << qint16(0) << qint16(0) << qint16(500) << qint16(1) << qint16(0) << qint16(0);
                            for (int i = 0; i < 5; ++i)
                                s << qint16(0);
                            s << quint16(glyphs);
                        }));
    tables << qMakePair(QByteArray("hmtx"), bytes([](QDataStream &s) {
                            for (int i = 0; i < glyphs; ++i)
                                s << quint16(500) << qint16(0);
                        }));
    tables << qMakePair(QByteArray("loca"), QByteArray((glyphs + 1) * 2, '\0'));
    tables << qMakePair(QByteArray("maxp"), bytes([](QDataStream &s) {
                            s << quint32(0x10000) << quint16(glyphs) << quint16(0) << quint16(0) << quint16(0)
                              << quint16(0) << quint16(2);
                            for (int i = 0; i < 8; ++i)
                                s << quint16(0);
                        }));
    tables << qMakePair(QByteArray("name"), bytes([&family](QDataStream &s) {
                            const QString ps = QString(family).remove(QLatin1Char(' '));
                            const QStringList texts{family, QStringLiteral("Regular"), family, ps};
                            const quint16 ids[] = {1, 2, 4, 6};
                            s << quint16(0) << quint16(4) << quint16(6 + 4 * 12);
                            quint16 offset = 0;
                            for (int i = 0; i < 4; ++i) {
                                const quint16 length = quint16(texts.at(i).size() * 2);
                                s << quint16(3) << quint16(1) << quint16(0x409) << ids[i] << length << offset;
                                offset += length;
                            }
                            for (const QString &text : texts)
                                for (const QChar c : text)
                                    s << quint16(c.unicode());
                        }));
    tables << qMakePair(QByteArray("post"), bytes([](QDataStream &s) {
                            s << quint32(0x30000) << quint32(0) << qint16(-100) << qint16(50);
                            for (int i = 0; i < 5; ++i)
                                s << quint32(0);
                        }));

    const quint16 count = quint16(tables.size());
    QByteArray font = bytes([&](QDataStream &s) {
        s << quint32(0x10000) << count << quint16(128) << quint16(3) << quint16(count * 16 - 128);
        quint32 offset = 12 + 16 * count;
        for (const auto &[tag, data] : tables) {
            quint32 sum = 0;
            QByteArray padded = data + QByteArray((4 - data.size() % 4) % 4, '\0');
            for (int i = 0; i < padded.size(); i += 4)
                sum += quint32(quint8(padded[i])) << 24 | quint32(quint8(padded[i + 1])) << 16
                       | quint32(quint8(padded[i + 2])) << 8 | quint32(quint8(padded[i + 3]));
            s.writeRawData(tag.constData(), 4);
            s << sum << offset << quint32(data.size());
            offset += quint32(padded.size());
        }
        for (const auto &[tag, data] : tables) {
            s.writeRawData(data.constData(), int(data.size()));
            s.writeRawData("\0\0\0", int((4 - data.size() % 4) % 4));
        }
    });
    return font;
}

} // namespace tinyfont
