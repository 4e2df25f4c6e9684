#include "WavCheck.h"

#include <array>
#include <cstring>

namespace wav {
namespace {

constexpr std::uint16_t PcmTag = 1;
// The extensible format names its samples by a GUID after the common figures.
constexpr std::uint16_t ExtensibleTag = 0xFFFE;
constexpr std::uint64_t ExtensibleFormatBytes = 40;
constexpr std::uint16_t ExtensibleExtraBytes = 22;
// The sub-format GUID of PCM samples, 00000001-0000-0010-8000-00AA00389B71, as stored.
constexpr std::array<unsigned char, 16> PcmSubFormat{0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                                     0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

std::uint32_t le32(const std::byte* b)
{
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
}

std::uint16_t le16(const std::byte* b)
{
    return std::uint16_t(std::uint16_t(b[0]) | std::uint16_t(b[1]) << 8);
}

bool tagIs(const std::byte* b, const char (&tag)[5])
{
    return std::memcmp(b, tag, 4) == 0;
}

} // namespace

std::int64_t Check::durationMs() const
{
    if (!ok() || bytesPerSecond == 0)
        return 0;
    return std::int64_t(dataBytes) * 1000 / bytesPerSecond;
}

Check check(const Reader& read, std::uint64_t size)
{
    Check result;
    if (size == 0) {
        result.problem = Problem::Empty;
        return result;
    }
    std::byte header[12];
    if (size < 12 || !read(0, header) || !tagIs(header, "RIFF") || !tagIs(header + 8, "WAVE")) {
        result.problem = Problem::NotRiffWave;
        return result;
    }
    // The RIFF size counts everything after its own eight header bytes; it must not
    // claim more than the file holds. Trailing bytes after it are tolerated.
    const std::uint64_t riffEnd = std::uint64_t(le32(header + 4)) + 8;
    if (riffEnd > size) {
        result.problem = Problem::ChunkOutsideFile;
        return result;
    }

    bool haveFormat = false;
    std::uint64_t at = 12;
    while (at + 8 <= riffEnd) {
        std::byte chunk[8];
        if (!read(at, chunk)) {
            result.problem = Problem::ChunkOutsideFile;
            return result;
        }
        const std::uint64_t chunkSize = le32(chunk + 4);
        const std::uint64_t body = at + 8;
        if (body + chunkSize > riffEnd) {
            result.problem = Problem::ChunkOutsideFile;
            return result;
        }
        if (tagIs(chunk, "fmt ")) {
            std::byte f[16];
            if (chunkSize < 16 || !read(body, f)) {
                result.problem = Problem::BadFormat;
                return result;
            }
            const std::uint16_t tag = le16(f);
            if (tag == ExtensibleTag) {
                // cbSize, valid bits, channel mask, then the sub-format.
                std::byte extension[24];
                if (chunkSize < ExtensibleFormatBytes || !read(body + 16, extension)
                    || le16(extension) < ExtensibleExtraBytes) {
                    result.problem = Problem::BadFormat;
                    return result;
                }
                if (std::memcmp(extension + 8, PcmSubFormat.data(), PcmSubFormat.size()) != 0) {
                    result.problem = Problem::NotPcm;
                    return result;
                }
            } else if (tag != PcmTag) {
                result.problem = Problem::NotPcm;
                return result;
            }
            result.channels = le16(f + 2);
            result.sampleRate = le32(f + 4);
            result.bytesPerSecond = le32(f + 8);
            const std::uint16_t blockAlign = le16(f + 12);
            result.bitsPerSample = le16(f + 14);
            const bool bitsOk = result.bitsPerSample == 8 || result.bitsPerSample == 16 || result.bitsPerSample == 24
                                || result.bitsPerSample == 32;
            if (result.channels == 0 || result.channels > 8 || result.sampleRate == 0 || !bitsOk
                || blockAlign != result.channels * (result.bitsPerSample / 8)
                || std::uint64_t(result.bytesPerSecond) != std::uint64_t(result.sampleRate) * blockAlign) {
                result.problem = Problem::BadFormat;
                return result;
            }
            haveFormat = true;
        } else if (tagIs(chunk, "data")) {
            if (!haveFormat) {
                result.problem = Problem::NoFormat;
                return result;
            }
            result.dataBytes = std::uint32_t(chunkSize);
            result.dataOffset = body;
            return result;
        }
        at = body + chunkSize + (chunkSize & 1); // chunks are padded to an even length
    }
    result.problem = haveFormat ? Problem::NoData : Problem::NoFormat;
    return result;
}

Check check(std::span<const std::byte> bytes)
{
    return check(
        [bytes](std::uint64_t offset, std::span<std::byte> into) {
            if (offset > bytes.size() || bytes.size() - offset < into.size())
                return false;
            std::memcpy(into.data(), bytes.data() + offset, into.size());
            return true;
        },
        bytes.size());
}

} // namespace wav
