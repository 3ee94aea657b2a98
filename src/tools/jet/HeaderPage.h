#pragma once

#include "tools/jet/Bytes.h"
#include "tools/jet/JetFormat.h"

namespace gen::jet {

// Page 0: the signature, the Jet version, the code page (1252) and sort order (General), no
// encryption key and an empty password; in Jet 4 also the creation date. Part of it is masked
// with RC4 under a key every Jet file shares, which is no secret but every reader undoes.
// created: days since 1899-12-30.
Bytes headerPage(const JetFormat &format, double created);

// RC4 stream applied to data in place (the same call masks and unmasks).
void rc4(const Bytes &key, std::uint8_t *data, std::size_t size);

} // namespace gen::jet
