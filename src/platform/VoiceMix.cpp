#include "VoiceMix.h"

#include <algorithm>

void mixVoice(std::span<std::int16_t> into, std::span<const std::int16_t> voice)
{
    const std::size_t n = std::min(into.size(), voice.size());
    for (std::size_t i = 0; i < n; ++i)
        into[i] = std::int16_t(std::clamp(int(into[i]) + int(voice[i]), -32768, 32767));
}
