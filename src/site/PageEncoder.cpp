#include "site/PageEncoder.h"

#include "site/PageEncoding.h"
#include "site/SingleByteEncodings.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

#include <memory>

namespace {

QByteArray throughIcu(const char *name, const QString &text, bool *exact)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, decltype(&ucnv_close)> cnv(ucnv_open(name, &status), &ucnv_close);
    if (U_FAILURE(status) || !cnv)
        return {};
    ucnv_setFromUCallBack(cnv.get(), UCNV_FROM_U_CALLBACK_ESCAPE, UCNV_ESCAPE_XML_DEC, nullptr, nullptr,
                          &status);
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

// x-user-defined: ASCII as it is, the bytes 0x80 to 0xFF as U+F780 to U+F7FF.
QByteArray userDefined(const QString &text, bool *exact)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0x80 || (c >= 0xF780 && c <= 0xF7FF)) {
            out += char(c < 0x80 ? c : c - 0xF780 + 0x80);
            continue;
        }
        char32_t codePoint = c;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            codePoint = QChar::surrogateToUcs4(c, text.at(++i).unicode());
        out += "&#" + QByteArray::number(quint32(codePoint)) + ';';
        *exact = false;
    }
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
           && (encoding == "UTF-8" || encoding == "x-user-defined" || SingleByteEncodings::contains(encoding)
               || PageEncoding::converterFor(encoding) != nullptr);
}

QByteArray encode(const QString &text, QByteArrayView encoding, bool *exact)
{
    bool ignored = true;
    bool &isExact = exact ? *exact : ignored;
    isExact = true;
    if (encoding == "UTF-8")
        return text.toUtf8();
    if (encoding == "x-user-defined")
        return userDefined(text, &isExact);
    if (SingleByteEncodings::contains(encoding))
        return SingleByteEncodings::encode(encoding, text, &isExact);
    const char *name = PageEncoding::converterFor(encoding);
    return name ? throughIcu(name, text, &isExact) : QByteArray();
}

} // namespace PageEncoder
