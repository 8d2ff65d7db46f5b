#include "site/PageSelectsWire.h"

#include <cstring>
#include <type_traits>

namespace {

constexpr char kMagic[8] = {'Q', 'N', 'P', 'A', 'G', 'E', '0', '1'};

// The fields of each record, in wire order. The structured bindings name
// every member: a member added to a structure is a compile error here until
// it is bound and visited. V is the Writer or the Reader below.
template <class V, class T>
    requires std::is_same_v<std::remove_const_t<T>, PageOption>
void visit(V &v, T &o)
{
    auto &[text, value, hasValue, disabled, selected, group, inGroup, separator] = o;
    v(text), v(value), v(hasValue), v(disabled), v(selected), v(group), v(inGroup), v(separator);
}

template <class V, class T>
    requires std::is_same_v<std::remove_const_t<T>, PageButton>
void visit(V &v, T &b)
{
    auto &[kind, text, style, src, alt, width, height] = b;
    v.choice(kind, PageButton::Image);
    v(text), v(style), v(src), v(alt), v(width), v(height);
}

template <class V, class T>
    requires std::is_same_v<std::remove_const_t<T>, PageSelect>
void visit(V &v, T &s)
{
    auto &[name, id, onchange, hasOnchange, style, options, optionCount, inForm, formName, formAction,
           formTarget, quillnav, hasQuillnav, quillnavTarget, button, valign, boxStyle] = s;
    v(name), v(id), v(onchange), v(hasOnchange), v(style), v(options), v(optionCount), v(inForm);
    v(formName), v(formAction), v(formTarget), v(quillnav), v(hasQuillnav), v(quillnavTarget);
    visit(v, button);
    v(valign), v(boxStyle);
}

template <class V, class T>
    requires std::is_same_v<std::remove_const_t<T>, PageRecords>
void visit(V &v, T &r)
{
    auto &[selects, classicScript] = r;
    v(selects), v(classicScript);
}

class Writer {
public:
    QByteArray bytes;

    void operator()(const QString &s)
    {
        count(s.size());
        bytes.append(reinterpret_cast<const char *>(s.utf16()), s.size() * qsizetype(sizeof(char16_t)));
    }
    void operator()(bool b) { bytes.append(char(b ? 1 : 0)); }
    void operator()(qsizetype n) { raw(qint64(n)); }
    template <class T>
    void operator()(const QList<T> &list)
    {
        count(list.size());
        for (const T &item : list)
            visit(*this, item);
    }
    template <class E>
    void choice(E e, E) { bytes.append(char(e)); }

private:
    void count(qsizetype n) { raw(quint32(n)); }
    template <class I>
    void raw(I i) { bytes.append(reinterpret_cast<const char *>(&i), sizeof i); }
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
    void operator()(bool &b)
    {
        quint8 byte = 0;
        raw(&byte);
        ok = ok && byte <= 1;
        b = byte == 1;
    }
    void operator()(qsizetype &n)
    {
        qint64 i = 0;
        raw(&i);
        ok = ok && i >= 0;
        n = qsizetype(i);
    }
    template <class T>
    void operator()(QList<T> &list)
    {
        // Every record takes at least one byte, so a count past the bytes left is damage.
        const quint32 n = count(1);
        list.clear();
        for (quint32 i = 0; i < n && ok; ++i)
            visit(*this, list.emplace_back());
    }
    template <class E>
    void choice(E &e, E max)
    {
        quint8 byte = 0;
        raw(&byte);
        ok = ok && byte <= quint8(max);
        e = ok ? E(byte) : E{};
    }

private:
    template <class I>
    void raw(I *i)
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

} // namespace

QByteArray PageSelectsWire::encode(const PageRecords &records)
{
    Writer w;
    w.bytes.append(kMagic, sizeof kMagic);
    w.bytes.append(8, '\0'); // the length of what follows, set below
    visit(w, records);
    const qint64 length = w.bytes.size() - qsizetype(sizeof kMagic) - 8;
    std::memcpy(w.bytes.data() + sizeof kMagic, &length, sizeof length);
    return w.bytes;
}

bool PageSelectsWire::decode(QByteArrayView bytes, PageRecords *records)
{
    constexpr qsizetype header = sizeof kMagic + sizeof(qint64);
    if (bytes.size() < header || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0)
        return false;
    qint64 length = 0;
    std::memcpy(&length, bytes.data() + sizeof kMagic, sizeof length);
    if (length != bytes.size() - header)
        return false;
    Reader r(bytes.sliced(header));
    PageRecords read;
    visit(r, read);
    if (!r.ok || !r.atEnd())
        return false;
    *records = std::move(read);
    return true;
}
