#include "site/SingleByteEncodings.h"

#include "site/SingleByteIndexes.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace SingleByteEncodings {

namespace {

using SingleByteIndexes::Index;

const Index *find(QByteArrayView name)
{
    for (std::size_t i = 0; i < SingleByteIndexes::kCount; ++i) {
        if (name == QByteArrayView(SingleByteIndexes::kIndexes[i].name))
            return &SingleByteIndexes::kIndexes[i];
    }
    return nullptr;
}

// An index the other way round: its characters in order, each with the byte
// that stands for it (the lowest, should two bytes stand for one character).
using Reverse = std::vector<std::pair<char16_t, uchar>>;

const Reverse &reverse(const Index *index)
{
    static const std::vector<Reverse> all = [] {
        std::vector<Reverse> out(SingleByteIndexes::kCount);
        for (std::size_t i = 0; i < SingleByteIndexes::kCount; ++i) {
            for (int b = 0; b < 128; ++b) {
                if (const char16_t c = SingleByteIndexes::kIndexes[i].characters[b])
                    out[i].emplace_back(c, uchar(0x80 + b));
            }
            std::sort(out[i].begin(), out[i].end());
        }
        return out;
    }();
    return all[std::size_t(index - SingleByteIndexes::kIndexes)];
}

} // namespace

bool contains(QByteArrayView name)
{
    return find(name) != nullptr;
}

QString decode(QByteArrayView name, QByteArrayView bytes)
{
    const Index *index = find(name);
    if (!index)
        return {};
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (const char c : bytes) {
        const uchar b = uchar(c);
        const char16_t u = b < 0x80 ? char16_t(b) : index->characters[b - 0x80];
        *d++ = b < 0x80 || u ? QChar(u) : QChar(QChar::ReplacementCharacter);
    }
    return out;
}

QByteArray encode(QByteArrayView name, const QString &text, bool *exact)
{
    if (exact)
        *exact = true;
    const Index *index = find(name);
    if (!index)
        return {};
    const Reverse &table = reverse(index);
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0x80) {
            out += char(c);
            continue;
        }
        const auto found = std::lower_bound(table.begin(), table.end(), std::pair<char16_t, uchar>(c, 0));
        if (found != table.end() && found->first == c) {
            out += char(found->second);
            continue;
        }
        char32_t codePoint = c;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            codePoint = QChar::surrogateToUcs4(c, text.at(++i).unicode());
        out += "&#" + QByteArray::number(quint32(codePoint)) + ';';
        if (exact)
            *exact = false;
    }
    return out;
}

} // namespace SingleByteEncodings
