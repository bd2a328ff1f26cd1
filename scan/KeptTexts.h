#pragma once
// Texts the decoder makes from a few bytes of a telegram that come back
// telegram after telegram (the description of a VIF and its extensions, the
// DIFE and VIFE lists, dates): each is written once into characters kept
// for the life of the process and shared from there, so that a record's
// copy costs no allocation and nothing to free. The bytes a text is made
// from are its key, and must determine it whole. The room is bounded: once
// it is used up, texts are built as usual.
#include "scan/TextWriter.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

namespace scan {

struct KeptTextKey {
    std::uint8_t kind = 0;   // what the bytes mean, one value per caller
    std::uint8_t length = 0; // bytes used
    std::array<std::uint8_t, 14> bytes{};

    void add(std::uint8_t byte) { bytes[length++] = byte; }
    bool operator==(const KeptTextKey &) const = default;
};
static_assert(sizeof(KeptTextKey) == 16, "a key is compared and hashed as two words");

// The text kept for the key, or a null QString.
QString findKeptText(const KeptTextKey &key);
// Keeps `text` for the key and gives it, or a null QString when the room
// is used up.
QString keepText(const KeptTextKey &key, QStringView text);

// Ends the text being written into `field`, kept for the key when there is
// room, built as usual otherwise.
void finishKept(TextWriter &texts, const KeptTextKey &key, QString &field);

} // namespace scan
