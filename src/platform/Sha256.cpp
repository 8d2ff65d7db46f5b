#include "platform/Sha256.h"

#include <QCryptographicHash>

#include <cstddef>
#include <dlfcn.h>

#ifndef QUILLNAV_CRYPTO_LIBRARY
#define QUILLNAV_CRYPTO_LIBRARY "libcrypto.so.3"
#endif

namespace {

// libcrypto's SHA256(): the bytes, their length, the 32 bytes of the digest.
using Digest = unsigned char *(*)(const unsigned char *, std::size_t, unsigned char *);

Digest load()
{
    void *library = ::dlopen(QUILLNAV_CRYPTO_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    return library ? reinterpret_cast<Digest>(::dlsym(library, "SHA256")) : nullptr;
}

} // namespace

namespace Sha256 {

QByteArray hex(QByteArrayView bytes)
{
    static const Digest digest = load(); // once, whichever thread hashes first
    if (!digest)
        return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    unsigned char out[32];
    digest(reinterpret_cast<const unsigned char *>(bytes.data()), std::size_t(bytes.size()), out);
    return QByteArray::fromRawData(reinterpret_cast<const char *>(out), sizeof out).toHex();
}

} // namespace Sha256
