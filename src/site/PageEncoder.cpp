#include "site/PageEncoder.h"

#include "site/PageEncoding.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

#include <memory>

namespace {

void appendReference(QByteArray &out, char32_t codePoint)
{
    out += "&#" + QByteArray::number(quint32(codePoint)) + ';';
}

QByteArray toWindows1252(const QString &text, bool *exact)
{
    static const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += char(c);
            continue;
        }
        int b = -1;
        for (int k = 0; k < 32 && b < 0; ++k)
            b = high[k] == c ? 0x80 + k : -1;
        if (b >= 0) {
            out += char(b);
            continue;
        }
        char32_t codePoint = c;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            codePoint = QChar::surrogateToUcs4(c, text.at(++i).unicode());
        appendReference(out, codePoint);
        *exact = false;
    }
    return out;
}

QByteArray throughIcu(const char *name, const QString &text, bool *exact)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, decltype(&ucnv_close)> cnv(ucnv_open(name, &status), &ucnv_close);
    if (U_FAILURE(status) || !cnv)
        return {};
    ucnv_setFromUCallBack(cnv.get(), UCNV_FROM_U_CALLBACK_ESCAPE, UCNV_ESCAPE_XML_DEC, nullptr, nullptr, &status);
    QByteArray out(text.size() * 4 + 16, Qt::Uninitialized);
    status = U_ZERO_ERROR;
    int32_t n = ucnv_fromUChars(cnv.get(), out.data(), int32_t(out.size()),
                                reinterpret_cast<const UChar *>(text.utf16()), int32_t(text.size()), &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        out.resize(n + 1);
        status = U_ZERO_ERROR;
        n = ucnv_fromUChars(cnv.get(), out.data(), int32_t(out.size()),
                            reinterpret_cast<const UChar *>(text.utf16()), int32_t(text.size()), &status);
    }
    if (U_FAILURE(status))
        return {};
    out.resize(n);
    if (out.contains("&#") && !text.contains(QLatin1StringView("&#")))
        *exact = false;
    return out;
}

} // namespace

namespace PageEncoder {

bool isAsciiCompatible(QByteArrayView encoding)
{
    return encoding != "UTF-16LE" && encoding != "UTF-16BE" && encoding != "ISO-2022-JP"
        && encoding != "replacement";
}

bool canWrite(QByteArrayView encoding)
{
    return isAsciiCompatible(encoding)
        && (encoding == "UTF-8" || encoding == "windows-1252" || encoding == "x-user-defined"
            || PageEncoding::converterFor(encoding) != nullptr);
}

QByteArray encode(const QString &text, QByteArrayView encoding, bool *exact)
{
    bool ignored = true;
    bool &isExact = exact ? *exact : ignored;
    isExact = true;
    if (encoding == "UTF-8")
        return text.toUtf8();
    if (encoding == "windows-1252" || encoding == "x-user-defined")
        return toWindows1252(text, &isExact);
    const char *name = PageEncoding::converterFor(encoding);
    return name ? throughIcu(name, text, &isExact) : QByteArray();
}

} // namespace PageEncoder
