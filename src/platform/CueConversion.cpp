// A cue's samples converted to the output's format (AudioOutput::convert): read straight
// from the file's bytes into a buffer of exactly the converted length, with no stream or
// intermediate copy; the rate changed by linear interpolation, which for the cues' clicks
// and chimes (22,050 Hz, doubled) is as good as the ear can tell.
#include "AudioOutput.h"

#include <algorithm>
#include <cmath>

namespace AudioOutput {
namespace {

// A WAV file's samples in place: 8-bit unsigned or 16 to 32-bit signed little-endian, as
// 16-bit values (the top two bytes); more than two channels are mixed down to one.
class SourceFrames {
public:
    SourceFrames(std::span<const std::byte> data, const wav::Check& wav)
        : m_data(data)
        , m_channels(wav.channels)
        , m_width(wav.bitsPerSample / 8)
        , m_frames(data.size() / std::size_t(wav.channels * (wav.bitsPerSample / 8)))
    { }

    std::size_t frames() const { return m_frames; }
    int channelsOut() const { return m_channels <= 2 ? m_channels : 1; }

    // Channel `channel` (of channelsOut()) of frame `frame`.
    int at(std::size_t frame, int channel) const
    {
        const std::size_t first = frame * std::size_t(m_channels * m_width);
        if (channelsOut() == m_channels)
            return sample(first + std::size_t(channel * m_width));
        int sum = 0;
        for (int c = 0; c < m_channels; ++c)
            sum += sample(first + std::size_t(c * m_width));
        return sum / m_channels;
    }

private:
    int sample(std::size_t at) const
    {
        if (m_width == 1)
            return (int(std::uint8_t(m_data[at])) - 128) << 8;
        const auto low = std::uint16_t(std::uint8_t(m_data[at + std::size_t(m_width) - 2]));
        const auto high = std::uint16_t(std::uint8_t(m_data[at + std::size_t(m_width) - 1]));
        return int(std::int16_t(std::uint16_t(low | high << 8)));
    }

    std::span<const std::byte> m_data;
    int m_channels;
    int m_width;
    std::size_t m_frames;
};

} // namespace

std::shared_ptr<const Samples> convert(std::span<const std::byte> data, const wav::Check& wav)
{
    auto samples = std::make_shared<Samples>();
    if (!wav.ok())
        return samples;
    const SourceFrames source(data, wav);
    if (source.frames() == 0)
        return samples;
    const double step = double(wav.sampleRate) / Samples::Rate; // source frames per output frame
    const auto frames = std::size_t(double(source.frames()) * Samples::Rate / wav.sampleRate + 0.5);
    samples->frames.resize(frames * Samples::Channels);
    const std::size_t last = source.frames() - 1;
    for (std::size_t f = 0; f < frames; ++f) {
        const double position = double(f) * step;
        const auto before = std::min(std::size_t(position), last);
        const std::size_t after = std::min(before + 1, last);
        const double weight = std::clamp(position - double(before), 0.0, 1.0);
        for (int c = 0; c < Samples::Channels; ++c) {
            const int channel = std::min(c, source.channelsOut() - 1); // mono to both sides
            const double value = source.at(before, channel) * (1.0 - weight) + source.at(after, channel) * weight;
            samples->frames[f * Samples::Channels + std::size_t(c)] = std::int16_t(std::lround(value));
        }
    }
    return samples;
}

} // namespace AudioOutput
