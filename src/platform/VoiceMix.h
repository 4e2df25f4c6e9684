#pragma once

#include <cstdint>
#include <span>

// The mixing step of the one output: adds a voice's samples to what is already in the
// buffer, sample by sample, clipping at full scale, so that cues sounding together are all
// heard. Mixes as many samples as both hold.
void mixVoice(std::span<std::int16_t> into, std::span<const std::int16_t> voice);
