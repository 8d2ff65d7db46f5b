#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <algorithm>
#include <concepts>
#include <cstring>
#include <limits>
#include <type_traits>

// The byte form in which a page reader's worker hands back what it extracted
// from a page (see PageReader), one frame per record: a magic, the length of
// what follows, then the record's fields in order. The form is private to
// one build of the program (both ends are the same binary): native byte
// order, texts as UTF-16, byte texts as they are, counts before lists and
// texts.
//
// Each record type lists its fields once, for both directions, in a function
// beside the code that makes the record, in the global namespace (so that the
// codec finds it by the record's type) and local to that file:
//
//     template <class V, class T>
//         requires std::is_same_v<std::remove_const_t<T>, Record>
//     static void wireFields(V &v, T &r)
//     {
//         auto &[a, b, c] = r;
//         v(a), v(b), v(c);
//     }
//
// The structured binding names every member, so a member added to a record
// stops the build there until it is bound and listed. An enumeration goes as
// v.choice(member, itsLastValue). Texts, byte texts, booleans, integers
// (never negative), lists and records of records are understood.
namespace PageWire {

inline constexpr char kMagic[8] = {'Q', 'N', 'P', 'A', 'G', 'E', '0', '2'};
inline constexpr qsizetype kHeader = sizeof kMagic + sizeof(qint64);

class Writer {
public:
    explicit Writer(QByteArray *bytes) : m_bytes(bytes) {}

    void operator()(const QString &s)
    {
        count(s.size());
        m_bytes->append(reinterpret_cast<const char *>(s.utf16()), s.size() * qsizetype(sizeof(char16_t)));
    }
    void operator()(const QByteArray &b)
    {
        count(b.size());
        m_bytes->append(b);
    }
    void operator()(bool b) { m_bytes->append(char(b ? 1 : 0)); }
    template <class I>
    requires std::integral<I>
    void operator()(const I &i) { raw(qint64(i)); }
    template <class T> void operator()(const QList<T> &list)
    {
        count(list.size());
        for (const T &item : list)
            (*this)(item);
    }
    template <class T>
    requires std::is_class_v<T>
    void operator()(const T &record) { wireFields(*this, record); }
    template <class E> void choice(E e, E) { m_bytes->append(char(e)); }

private:
    void count(qsizetype n) { raw(quint32(n)); }
    template <class I> void raw(I i) { m_bytes->append(reinterpret_cast<const char *>(&i), sizeof i); }

    QByteArray *m_bytes;
};

class Reader {
public:
    explicit Reader(QByteArrayView bytes) : m_at(bytes.data()), m_end(bytes.data() + bytes.size()) {}
    bool ok = true;
    bool atEnd() const { return m_at == m_end; }

    void operator()(QString &s)
    {
        const quint32 n = count(sizeof(char16_t));
        if (!ok)
            return;
        s = QString(reinterpret_cast<const QChar *>(m_at), qsizetype(n));
        m_at += qsizetype(n) * qsizetype(sizeof(char16_t));
    }
    void operator()(QByteArray &b)
    {
        const quint32 n = count(1);
        if (!ok)
            return;
        b = QByteArray(m_at, qsizetype(n));
        m_at += n;
    }
    void operator()(bool &b)
    {
        quint8 byte = 0;
        raw(&byte);
        ok = ok && byte <= 1;
        b = byte == 1;
    }
    template <class I>
    requires std::integral<I>
    void operator()(I &n)
    {
        qint64 i = 0;
        raw(&i);
        ok = ok && i >= 0
             && std::make_unsigned_t<qint64>(i) <= std::make_unsigned_t<I>(std::numeric_limits<I>::max());
        n = ok ? I(i) : I{};
    }
    template <class T> void operator()(QList<T> &list)
    {
        // Every item takes at least one byte, so a count past the bytes left is damage.
        const quint32 n = count(1);
        list.clear();
        list.reserve(std::min<qsizetype>(n, (m_end - m_at) / 8)); // a hint a damaged count cannot blow up
        for (quint32 i = 0; i < n && ok; ++i)
            (*this)(list.emplace_back());
    }
    template <class T>
    requires std::is_class_v<T>
    void operator()(T &record) { wireFields(*this, record); }
    template <class E> void choice(E &e, E max)
    {
        quint8 byte = 0;
        raw(&byte);
        ok = ok && byte <= quint8(max);
        e = ok ? E(byte) : E{};
    }

private:
    template <class I> void raw(I *i)
    {
        ok = ok && m_end - m_at >= qsizetype(sizeof *i);
        if (!ok)
            return;
        std::memcpy(i, m_at, sizeof *i);
        m_at += sizeof *i;
    }
    // A count of items of at least `unit` bytes each that fit in what is left.
    quint32 count(qsizetype unit)
    {
        quint32 n = 0;
        raw(&n);
        ok = ok && qsizetype(n) <= (m_end - m_at) / unit;
        return ok ? n : 0;
    }

    const char *m_at;
    const char *m_end;
};

// Appends one record as a frame.
template <class T> void append(QByteArray *wire, const T &record)
{
    const qsizetype start = wire->size();
    wire->append(kMagic, sizeof kMagic);
    wire->append(sizeof(qint64), '\0'); // the length of what follows, set below
    Writer w(wire);
    w(record);
    const qint64 length = wire->size() - start - kHeader;
    std::memcpy(wire->data() + start + sizeof kMagic, &length, sizeof length);
}

template <class T> QByteArray encode(const T &record)
{
    QByteArray wire;
    append(&wire, record);
    return wire;
}

// Takes the first frame off `wire`, unread: false when there is none whole.
bool takeFrame(QByteArrayView *wire, QByteArrayView *frame);

// Reads one frame, all of it: false for anything encode() did not make
// whole (a short, long or damaged frame is never taken for a record).
template <class T> bool decode(QByteArrayView frame, T *record)
{
    QByteArrayView whole = frame;
    QByteArrayView one;
    if (!takeFrame(&whole, &one) || !whole.isEmpty())
        return false;
    Reader r(one.sliced(kHeader));
    T read{};
    r(read);
    if (!r.ok || !r.atEnd())
        return false;
    *record = std::move(read);
    return true;
}

} // namespace PageWire
