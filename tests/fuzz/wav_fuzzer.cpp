// libFuzzer target for the WAV check: any bytes at all must be judged without reading
// outside them, and a file judged playable must describe data that lies inside it.
#include "platform/WavCheck.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto bytes = std::as_bytes(std::span(data, size));
    const wav::Check result = wav::check(bytes);
    if (result.ok()) {
        if (result.dataOffset + result.dataBytes > size || result.bytesPerSecond == 0 || result.channels == 0)
            std::abort();
        (void)result.durationMs();
    }
    return 0;
}
