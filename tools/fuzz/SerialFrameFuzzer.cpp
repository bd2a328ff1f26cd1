// Feeds arbitrary serial bytes, in chunks of arbitrary sizes, to the frame
// assembler that cuts a serial line into answers, and checks that nothing is
// lost or invented: every byte ends up in one answer or still waits, and an
// answer is never empty nor longer than the longest M-Bus frame or the chunk
// that completed it.
#include "scan/MBusFrameAssembler.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::size_t chunk = std::size_t(data[0] % 32) + 1;
    scan::MBusFrameAssembler assembler;
    std::size_t given = 0;
    std::size_t answered = 0;
    for (std::size_t at = 1; at < size; at += chunk) {
        const std::size_t n = std::min(chunk, size - at);
        given += n;
        const std::size_t before = assembler.pending();
        assembler.add({data + at, n}, [&](std::span<const std::uint8_t> answer) {
            if (answer.empty() || answer.size() > before + n)
                std::abort();
            answered += answer.size();
        });
        if (answered + assembler.pending() != given || assembler.pending() > 261 + chunk)
            std::abort();
    }
    return 0;
}
