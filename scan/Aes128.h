#pragma once
// AES-128 decryption in CBC mode, for encrypted wireless M-Bus payloads.
// Only decryption exists: nothing in the program encrypts.
#include "platform/Error.h"

#include <QtGlobal>
#include <array>
#include <cstdint>
#include <span>

class QIODevice;

namespace scan {

// Misuse of the AES routines (a buffer that is not a whole number of blocks).
class EAESError : public platform::Error {
public:
    using platform::Error::Error;
};

using AesKey = std::array<std::uint8_t, 16>;
using AesBlock = std::array<std::uint8_t, 16>;
// 11 round keys of four words; each word holds four schedule bytes, the
// first one in the least significant position.
using AesKeySchedule = std::array<std::uint32_t, 44>;

AesKeySchedule Expand_AES_Key_128(const AesKey &key);
// Inverse MixColumns on round keys 1 to 9, so that decryption runs as the
// equivalent inverse cipher.
void Invert_Key_Schedule(AesKeySchedule &schedule);
AesKeySchedule Expand_AES_Key_For_Decryption(const AesKey &key);

AesBlock Decrypt_AES_Block(const AesBlock &in, const AesKeySchedule &decryptionSchedule);

// Decrypts Count bytes from Source's current position into Dest. Count 0
// rewinds Source and takes all of it; otherwise at most the bytes left.
// Nothing to do returns at once; a length that is not a multiple of 16
// raises EAESError before anything is written. A short read or write raises
// platform::Error ("Stream read error" / "Stream write error").
void Decrypt_AES_Stream_CBC(QIODevice &source, qint32 count, const AesKeySchedule &decryptionSchedule,
                            QIODevice &dest, const AesBlock &iv);
void Decrypt_AES_CBC(QIODevice &source, qint32 count, const AesKey &key, QIODevice &dest, const AesBlock &iv);

// The same over memory. dest may be the very bytes of source (in-place
// decryption of a received telegram); it must be at least as long.
void Decrypt_AES_CBC(std::span<const std::uint8_t> source, const AesKey &key, const AesBlock &iv,
                     std::span<std::uint8_t> dest);

inline qint32 Min_Int(qint32 a, qint32 b) { return a < b ? a : b; }

} // namespace scan
