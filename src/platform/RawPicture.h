#pragma once

#include <cstdint>

namespace Pictures {

// The header of a picture stored raw, in the pixmap's own format (tools/prerender writes
// it, Pictures reads it).
struct RawHeader {
    static constexpr std::uint32_t Magic = 0x54525631; // "TRV1"
    std::uint32_t magic = Magic;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t bytesPerLine = 0;
    std::int32_t format = 0; // a QImage::Format
};

} // namespace Pictures
