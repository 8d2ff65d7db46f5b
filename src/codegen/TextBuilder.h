#pragma once

#include <QString>
#include <QStringView>
#include <algorithm>
#include <cstring>

// Appends text pieces into one buffer with a single copy per piece and no
// per-piece bookkeeping beyond a bounds check. Used for generated code, whose
// size can reach many megabytes for large menus.
class TextBuilder {
public:
    explicit TextBuilder(qsizetype expectedSize) { grow(std::max<qsizetype>(expectedSize, 64)); }

    TextBuilder &operator+=(QStringView piece)
    {
        const qsizetype n = piece.size();
        if (n == 0) // an empty view may have no data at all, which memcpy must not see
            return *this;
        if (m_used + n > m_capacity)
            grow(std::max(m_capacity * 2, m_used + n));
        std::memcpy(m_data + m_used, piece.data(), size_t(n) * sizeof(QChar));
        m_used += n;
        return *this;
    }
    TextBuilder &operator+=(const QString &piece) { return *this += QStringView(piece); }
    TextBuilder &operator+=(QChar c) { return *this += QStringView(&c, 1); }

    QString take()
    {
        m_text.truncate(m_used);
        m_capacity = m_used = 0;
        m_data = nullptr;
        return std::move(m_text);
    }

private:
    void grow(qsizetype capacity)
    {
        m_text.reserve(capacity); // exact size: no over-allocation for huge texts
        m_text.resize(capacity);
        m_data = m_text.data();
        m_capacity = capacity;
    }

    QString m_text;
    QChar *m_data = nullptr;
    qsizetype m_used = 0;
    qsizetype m_capacity = 0;
};
