#pragma once

#include <QByteArray>
#include <QByteArrayView>

// SHA-256 as 64 lowercase hex digits (the publishing and transfer records).
// libcrypto computes it with the processor's SHA instructions; it is loaded
// at the first hash rather than with the program, since only publishing and
// the transfers hash and loading it would cost every start (the export's
// too) about 3 ms. Where it cannot be loaded, Qt's own SHA-256 gives the
// same digest, more slowly.
namespace Sha256 {

QByteArray hex(QByteArrayView bytes);

} // namespace Sha256
