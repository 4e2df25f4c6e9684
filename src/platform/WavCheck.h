#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

// Checks that a block of bytes is a WAV file that can be played as it stands:
// a RIFF/WAVE container whose chunks fit inside the file, a PCM "fmt " chunk (plain, or
// extensible with the PCM sub-format) with consistent figures, and a "data" chunk after
// it. Written to survive any bytes; reads only the headers, never the sound itself.
namespace wav {

enum class Problem {
    None,
    Empty,
    NotRiffWave,
    ChunkOutsideFile,
    NoFormat,
    NotPcm,
    BadFormat,
    NoData,
};

struct Check {
    Problem problem = Problem::None;
    std::uint32_t sampleRate = 0;
    std::uint16_t channels = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint32_t dataBytes = 0;
    std::uint64_t dataOffset = 0; // where the samples start in the file
    std::uint32_t bytesPerSecond = 0;

    bool ok() const { return problem == Problem::None; }
    // Length of the sound in milliseconds (0 for an unusable file).
    std::int64_t durationMs() const;
};

// Reads `into.size()` bytes at `offset` of the file; false when they cannot be read.
using Reader = std::function<bool(std::uint64_t offset, std::span<std::byte> into)>;

// Checks a file of `size` bytes, reading only its chunks' headers and format.
Check check(const Reader& read, std::uint64_t size);

// Checks a file held in memory.
Check check(std::span<const std::byte> bytes);

} // namespace wav
