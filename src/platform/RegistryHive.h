#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Value types of the settings hive, numbered as the Windows registry numbers them.
enum RegValueType : quint32 {
    RegNone = 0,
    RegSz = 1,
    RegExpandSz = 2,
    RegBinary = 3,
    RegDword = 4,
    RegMultiSz = 7,
    RegQword = 11,
};

// One named value of a key. The unnamed (default) value has an empty name.
// Text values (RegSz) hold UTF-8 text followed by one zero byte.
struct RegValue {
    QString name;
    quint32 type = RegSz;
    QByteArray data;

    static QByteArray textData(const QString &text);
    friend bool operator==(const RegValue &, const RegValue &) = default;
};

// A per-user hive in memory: keys addressed by paths such as
// "Software\Brookfen\Quillnav 1.2\Messages" below an implicit root, each
// holding values in the order they were first written. Key and value names
// compare without regard to case, as the Windows registry does; a path with
// an empty segment is invalid. The root has no values.
//
// The text form (serialize/parse) is human-readable:
//
//   Quillnav settings hive 1
//   [Software\Brookfen\Quillnav 1.2\Messages]
//   "Show IE Message"="no"
//   @="the unnamed value"
//   "Count"=dword:0000002a
//   "Blob"=hex(3):01,02,ff
class RegistryHive {
public:
    static bool isValidPath(const QString &path);

    bool keyExists(const QString &path) const;
    // Creates the key and every missing key on its path; false for an invalid path.
    bool createKey(const QString &path);
    // Fails when the key is missing, is the root, or still has subkeys.
    bool deleteKey(const QString &path);
    // Direct subkeys' names, in creation order.
    QStringList subkeys(const QString &path) const;

    // Nothing when the key or the value is missing.
    std::optional<RegValue> value(const QString &path, const QString &name) const;
    // The key must exist; a value of that name is replaced where it stands.
    bool setValue(const QString &path, const RegValue &value);
    bool deleteValue(const QString &path, const QString &name);
    QList<RegValue> values(const QString &path) const;

    bool isEmpty() const { return m_keys.isEmpty(); }

    QByteArray serialize() const;
    // Nothing when the text is not a hive: wrong first line, a malformed line,
    // more than kMaxTextBytes or a key deeper than kMaxKeyDepth. A leading
    // byte order mark and blanks after a key's "]" are allowed. Linear time.
    static std::optional<RegistryHive> parse(const QByteArray &text);
    static constexpr qsizetype kMaxTextBytes = 16 * 1024 * 1024;
    static constexpr int kMaxKeyDepth = 64;

    static QByteArray signature();

    friend bool operator==(const RegistryHive &a, const RegistryHive &b) { return a.m_keys == b.m_keys; }

private:
    struct Key {
        QString path;
        QList<RegValue> values;
        // Case-folded name -> position in values; built once a key holds
        // kIndexedValues values (fewer are searched one by one).
        QHash<QString, qsizetype> valueIndex;
        friend bool operator==(const Key &a, const Key &b)
        {
            return a.path == b.path && a.values == b.values;
        }
    };

    static constexpr qsizetype kIndexedValues = 16;

    qsizetype indexOfKey(const QString &path) const;
    static qsizetype indexOfValue(const Key &key, const QString &name);
    void reindexKeys();
    static void reindexValues(Key &key);

    QList<Key> m_keys;                    // parents always come before their children
    QHash<QString, qsizetype> m_keyIndex; // case-folded path -> position in m_keys
};
