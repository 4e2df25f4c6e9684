#include "WavCheck.h"

#include <cstring>

namespace wav {
namespace {

std::uint32_t le32(std::span<const std::byte> b, std::size_t at)
{
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16
           | std::uint32_t(b[at + 3]) << 24;
}

std::uint16_t le16(std::span<const std::byte> b, std::size_t at)
{
    return std::uint16_t(std::uint16_t(b[at]) | std::uint16_t(b[at + 1]) << 8);
}

bool tagIs(std::span<const std::byte> b, std::size_t at, const char (&tag)[5])
{
    return std::memcmp(b.data() + at, tag, 4) == 0;
}

} // namespace

std::int64_t Check::durationMs() const
{
    if (!ok() || bytesPerSecond == 0)
        return 0;
    return std::int64_t(dataBytes) * 1000 / bytesPerSecond;
}

Check check(std::span<const std::byte> bytes)
{
    Check result;
    const std::size_t size = bytes.size();
    if (size == 0) {
        result.problem = Problem::Empty;
        return result;
    }
    if (size < 12 || !tagIs(bytes, 0, "RIFF") || !tagIs(bytes, 8, "WAVE")) {
        result.problem = Problem::NotRiffWave;
        return result;
    }
    // The RIFF size counts everything after its own eight header bytes; it must not
    // claim more than the file holds. Trailing bytes after it are tolerated.
    const std::uint64_t riffEnd = std::uint64_t(le32(bytes, 4)) + 8;
    if (riffEnd > size) {
        result.problem = Problem::ChunkOutsideFile;
        return result;
    }

    bool haveFormat = false;
    std::uint64_t at = 12;
    while (at + 8 <= riffEnd) {
        const std::uint64_t chunkSize = le32(bytes, std::size_t(at + 4));
        const std::uint64_t body = at + 8;
        if (body + chunkSize > riffEnd) {
            result.problem = Problem::ChunkOutsideFile;
            return result;
        }
        if (tagIs(bytes, std::size_t(at), "fmt ")) {
            if (chunkSize < 16) {
                result.problem = Problem::BadFormat;
                return result;
            }
            const auto b = std::size_t(body);
            if (le16(bytes, b) != 1) {
                result.problem = Problem::NotPcm;
                return result;
            }
            result.channels = le16(bytes, b + 2);
            result.sampleRate = le32(bytes, b + 4);
            result.bytesPerSecond = le32(bytes, b + 8);
            const std::uint16_t blockAlign = le16(bytes, b + 12);
            result.bitsPerSample = le16(bytes, b + 14);
            const bool bitsOk = result.bitsPerSample == 8 || result.bitsPerSample == 16
                                || result.bitsPerSample == 24 || result.bitsPerSample == 32;
            if (result.channels == 0 || result.channels > 8 || result.sampleRate == 0 || !bitsOk
                || blockAlign != result.channels * (result.bitsPerSample / 8)
                || std::uint64_t(result.bytesPerSecond) != std::uint64_t(result.sampleRate) * blockAlign) {
                result.problem = Problem::BadFormat;
                return result;
            }
            haveFormat = true;
        } else if (tagIs(bytes, std::size_t(at), "data")) {
            if (!haveFormat) {
                result.problem = Problem::NoFormat;
                return result;
            }
            result.dataBytes = std::uint32_t(chunkSize);
            result.dataOffset = std::uint32_t(body);
            return result;
        }
        at = body + chunkSize + (chunkSize & 1); // chunks are padded to an even length
    }
    result.problem = haveFormat ? Problem::NoData : Problem::NoFormat;
    return result;
}

} // namespace wav
