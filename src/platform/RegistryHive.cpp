#include "platform/RegistryHive.h"

namespace {

constexpr QLatin1Char Separator('\\');

// Names compare without regard to case: the index holds them case-folded.
QString Folded(const QString &name)
{
    return name.toCaseFolded();
}

bool IsControl(char16_t c)
{
    return c < 0x20 || c == 0x7F;
}

QByteArray HexByte(uint byte)
{
    return QByteArray::number(byte & 0xFF, 16).rightJustified(2, '0');
}

// Key paths in section headers: characters that would break the line are
// written as %XX.
QByteArray EncodePath(const QString &path)
{
    QString out;
    for (const QChar c : path) {
        const char16_t u = c.unicode();
        if (IsControl(u) || u == u'%' || u == u'[' || u == u']')
            out += QLatin1Char('%') + QString::fromLatin1(HexByte(u)).toUpper();
        else
            out += c;
    }
    return out.toUtf8();
}

std::optional<QString> DecodePath(const QString &encoded)
{
    if (!encoded.contains(QLatin1Char('%')))
        return encoded;
    QString out;
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        if (encoded.at(i) != QLatin1Char('%')) {
            out += encoded.at(i);
            continue;
        }
        bool ok = false;
        const uint code = encoded.mid(i + 1, 2).toUInt(&ok, 16);
        if (!ok || i + 2 >= encoded.size())
            return std::nullopt;
        out += QChar(char16_t(code));
        i += 2;
    }
    return out;
}

QByteArray Quote(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'"')
            out += QLatin1Char('\\') + c;
        else if (IsControl(u))
            out += QStringLiteral("\\x") + QString::fromLatin1(HexByte(u));
        else
            out += c;
    }
    out += QLatin1Char('"');
    return out.toUtf8();
}

// Reads a quoted text starting at pos (which holds the opening quote); on
// success pos ends after the closing quote.
std::optional<QString> Unquote(const QString &line, qsizetype &pos)
{
    if (pos >= line.size() || line.at(pos) != QLatin1Char('"'))
        return std::nullopt;
    QString out;
    for (qsizetype i = pos + 1; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('"')) {
            pos = i + 1;
            return out;
        }
        if (c != QLatin1Char('\\')) {
            out += c;
            continue;
        }
        if (i + 1 >= line.size())
            return std::nullopt;
        const QChar next = line.at(i + 1);
        if (next == QLatin1Char('\\') || next == QLatin1Char('"')) {
            out += next;
            i += 1;
        } else if (next == QLatin1Char('x')) {
            bool ok = false;
            const uint code = line.mid(i + 2, 2).toUInt(&ok, 16);
            if (!ok || i + 3 >= line.size())
                return std::nullopt;
            out += QChar(char16_t(code));
            i += 3;
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// Text that can be written in quotes: a text value with exactly one
// terminating zero byte and valid UTF-8 before it.
std::optional<QString> PlainText(const RegValue &value)
{
    if (value.type != RegSz || !value.data.endsWith('\0'))
        return std::nullopt;
    const QByteArray body = value.data.chopped(1);
    if (body.contains('\0'))
        return std::nullopt;
    const QString text = QString::fromUtf8(body);
    if (text.toUtf8() != body)
        return std::nullopt;
    return text;
}

QByteArray SerializeData(const RegValue &value)
{
    if (const auto text = PlainText(value))
        return Quote(*text);
    if (value.type == RegDword && value.data.size() == 4) {
        const auto *b = reinterpret_cast<const uchar *>(value.data.constData());
        const quint32 number =
            quint32(b[0]) | (quint32(b[1]) << 8) | (quint32(b[2]) << 16) | (quint32(b[3]) << 24);
        return "dword:" + QByteArray::number(number, 16).rightJustified(8, '0');
    }
    QByteArray out = "hex(" + QByteArray::number(value.type) + "):";
    for (qsizetype i = 0; i < value.data.size(); ++i) {
        if (i > 0)
            out += ',';
        out += HexByte(uchar(value.data.at(i)));
    }
    return out;
}

std::optional<RegValue> ParseValueLine(const QString &line)
{
    RegValue value;
    qsizetype pos = 0;
    if (line.startsWith(QLatin1Char('@'))) {
        pos = 1;
    } else {
        const auto name = Unquote(line, pos);
        if (!name || name->isEmpty())
            return std::nullopt;
        value.name = *name;
    }
    if (pos >= line.size() || line.at(pos) != QLatin1Char('='))
        return std::nullopt;
    ++pos;
    const QString data = line.mid(pos);

    if (data.startsWith(QLatin1Char('"'))) {
        qsizetype textPos = 0;
        const auto text = Unquote(data, textPos);
        if (!text || textPos != data.size())
            return std::nullopt;
        value.type = RegSz;
        value.data = RegValue::textData(*text);
        return value;
    }
    if (data.startsWith(QLatin1String("dword:"))) {
        const QString digits = data.mid(6);
        bool ok = false;
        const quint32 number = digits.toUInt(&ok, 16);
        if (!ok || digits.size() != 8)
            return std::nullopt;
        value.type = RegDword;
        value.data.resize(4);
        for (int i = 0; i < 4; ++i)
            value.data[i] = char((number >> (8 * i)) & 0xFF);
        return value;
    }
    if (data.startsWith(QLatin1String("hex("))) {
        const qsizetype close = data.indexOf(QLatin1String("):"));
        if (close < 0)
            return std::nullopt;
        bool ok = false;
        value.type = data.mid(4, close - 4).toUInt(&ok, 10);
        if (!ok)
            return std::nullopt;
        const QString bytes = data.mid(close + 2);
        if (!bytes.isEmpty()) {
            for (const QString &part : bytes.split(QLatin1Char(','))) {
                const uint byte = part.toUInt(&ok, 16);
                if (!ok || part.size() != 2)
                    return std::nullopt;
                value.data += char(byte);
            }
        }
        return value;
    }
    return std::nullopt;
}

} // namespace

QByteArray RegValue::textData(const QString &text)
{
    QByteArray data = text.toUtf8();
    data += '\0';
    return data;
}

QByteArray RegistryHive::signature()
{
    return QByteArrayLiteral("Quillnav settings hive 1");
}

bool RegistryHive::isValidPath(const QString &path)
{
    // No empty segment: not empty, no separator at either end or twice in a row.
    return !path.isEmpty() && !path.startsWith(Separator) && !path.endsWith(Separator)
           && !path.contains(QStringLiteral("\\\\"));
}

qsizetype RegistryHive::indexOfKey(const QString &path) const
{
    return m_keyIndex.value(Folded(path), -1);
}

qsizetype RegistryHive::indexOfValue(const Key &key, const QString &name)
{
    if (!key.valueIndex.isEmpty())
        return key.valueIndex.value(Folded(name), -1);
    for (qsizetype i = 0; i < key.values.size(); ++i) {
        if (key.values.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void RegistryHive::reindexKeys()
{
    m_keyIndex.clear();
    for (qsizetype i = 0; i < m_keys.size(); ++i)
        m_keyIndex.insert(Folded(m_keys.at(i).path), i);
}

void RegistryHive::reindexValues(Key &key)
{
    key.valueIndex.clear();
    if (key.values.size() < kIndexedValues)
        return;
    for (qsizetype i = 0; i < key.values.size(); ++i)
        key.valueIndex.insert(Folded(key.values.at(i).name), i);
}

bool RegistryHive::keyExists(const QString &path) const
{
    return indexOfKey(path) >= 0;
}

bool RegistryHive::createKey(const QString &path)
{
    if (!isValidPath(path))
        return false;
    QString folded = Folded(path);
    if (m_keyIndex.contains(folded))
        return true;
    // The parent first (parents come before their children), then the key.
    const qsizetype parentEnd = path.lastIndexOf(Separator);
    if (parentEnd > 0)
        createKey(path.left(parentEnd));
    m_keyIndex.insert(std::move(folded), m_keys.size());
    m_keys.append(Key{path, {}, {}});
    return true;
}

bool RegistryHive::deleteKey(const QString &path)
{
    const qsizetype index = indexOfKey(path);
    if (index < 0 || !subkeys(path).isEmpty())
        return false;
    m_keys.removeAt(index);
    reindexKeys();
    return true;
}

QStringList RegistryHive::subkeys(const QString &path) const
{
    QStringList names;
    const QString prefix = path + Separator;
    for (const Key &key : m_keys) {
        if (key.path.size() > prefix.size() && key.path.startsWith(prefix, Qt::CaseInsensitive)) {
            const QString rest = key.path.mid(prefix.size());
            if (!rest.contains(Separator))
                names.append(rest);
        }
    }
    return names;
}

std::optional<RegValue> RegistryHive::value(const QString &path, const QString &name) const
{
    const qsizetype keyIndex = indexOfKey(path);
    if (keyIndex < 0)
        return std::nullopt;
    const Key &key = m_keys.at(keyIndex);
    const qsizetype valueIndex = indexOfValue(key, name);
    if (valueIndex < 0)
        return std::nullopt;
    return key.values.at(valueIndex);
}

bool RegistryHive::setValue(const QString &path, const RegValue &value)
{
    const qsizetype keyIndex = indexOfKey(path);
    if (keyIndex < 0)
        return false;
    Key &key = m_keys[keyIndex];
    const qsizetype valueIndex = indexOfValue(key, value.name);
    if (valueIndex < 0) {
        key.values.append(value);
        if (!key.valueIndex.isEmpty())
            key.valueIndex.insert(Folded(value.name), key.values.size() - 1);
        else if (key.values.size() >= kIndexedValues)
            reindexValues(key);
    } else // the stored spelling of the name stays
        key.values[valueIndex] = RegValue{key.values.at(valueIndex).name, value.type, value.data};
    return true;
}

bool RegistryHive::deleteValue(const QString &path, const QString &name)
{
    const qsizetype keyIndex = indexOfKey(path);
    if (keyIndex < 0)
        return false;
    Key &key = m_keys[keyIndex];
    const qsizetype valueIndex = indexOfValue(key, name);
    if (valueIndex < 0)
        return false;
    key.values.removeAt(valueIndex);
    reindexValues(key);
    return true;
}

QList<RegValue> RegistryHive::values(const QString &path) const
{
    const qsizetype keyIndex = indexOfKey(path);
    return keyIndex < 0 ? QList<RegValue>() : m_keys.at(keyIndex).values;
}

QByteArray RegistryHive::serialize() const
{
    QByteArray out = signature() + '\n';
    out += "; Per-user settings of Quillnav (HKEY_CURRENT_USER). One [key] per section;\n"
           "; values are \"name\"=\"text\", dword:8 hex digits or hex(type):bytes; @ is the\n"
           "; unnamed value.\n";
    for (const Key &key : m_keys) {
        out += "\n[" + EncodePath(key.path) + "]\n";
        for (const RegValue &value : key.values) {
            out += value.name.isEmpty() ? QByteArray("@") : Quote(value.name);
            out += '=' + SerializeData(value) + '\n';
        }
    }
    return out;
}

std::optional<RegistryHive> RegistryHive::parse(const QByteArray &bytes)
{
    if (bytes.size() > kMaxTextBytes)
        return std::nullopt;
    // A byte order mark, as editors put at the start of a UTF-8 file, is not text.
    const QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    const QString decoded = QString::fromUtf8(text);
    if (decoded.toUtf8() != text)
        return std::nullopt;
    QStringList lines = decoded.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }

    RegistryHive hive;
    bool signed_ = false;
    QString current;
    for (QString &line : lines) {
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (!signed_) {
            if (line.trimmed().toUtf8() != signature())
                return std::nullopt;
            signed_ = true;
            continue;
        }
        if (line.startsWith(QLatin1Char('['))) {
            while (line.endsWith(QLatin1Char(' ')) || line.endsWith(QLatin1Char('\t')))
                line.chop(1);
            if (!line.endsWith(QLatin1Char(']')))
                return std::nullopt;
            const auto path = DecodePath(line.mid(1, line.size() - 2));
            if (!path || path->count(Separator) >= kMaxKeyDepth || !hive.createKey(*path))
                return std::nullopt;
            current = *path;
            continue;
        }
        if (current.isEmpty())
            return std::nullopt;
        const auto value = ParseValueLine(line);
        if (!value)
            return std::nullopt;
        hive.setValue(current, *value);
    }
    if (!signed_)
        return std::nullopt;
    return hive;
}
