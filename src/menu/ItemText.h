#pragma once

#include <QByteArrayView>
#include <QStringView>

// A text of an item as the code generators read it: UTF-16 from a list held
// in memory, or valid UTF-8 straight from a checked project file's text, so
// that an export need not convert what it only copies.
class ItemText {
public:
    ItemText() = default;
    ItemText(QStringView utf16) : m_utf16(utf16) {}
    static ItemText fromUtf8(QByteArrayView utf8)
    {
        ItemText text;
        text.m_utf8 = utf8;
        text.m_isUtf8 = true;
        return text;
    }

    bool isUtf8() const { return m_isUtf8; }
    QStringView utf16() const { return m_utf16; }
    QByteArrayView utf8() const { return m_utf8; }

    // The text without its trailing blanks; leading blanks stay.
    ItemText withoutTrailingBlanks() const
    {
        ItemText text = *this;
        if (m_isUtf8) {
            while (!text.m_utf8.isEmpty() && text.m_utf8.back() == ' ')
                text.m_utf8.chop(1);
        } else {
            while (!text.m_utf16.isEmpty() && text.m_utf16.back() == u' ')
                text.m_utf16.chop(1);
        }
        return text;
    }

private:
    QStringView m_utf16;
    QByteArrayView m_utf8;
    bool m_isUtf8 = false;
};
