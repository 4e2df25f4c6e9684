#pragma once

#include <SDL.h>

// The few functions of the audio library (SDL2) that the output uses, loaded at run time
// from its shared library rather than linked: a run that plays no sound never maps it and
// the twenty-odd libraries it brings, and start-up does not wait for them to load.
struct SdlAudioLibrary {
    decltype(&::SDL_SetHint) setHint;
    decltype(&::SDL_InitSubSystem) initSubSystem;
    decltype(&::SDL_Quit) quit;
    decltype(&::SDL_TLSCleanup) tlsCleanup;
    decltype(&::SDL_OpenAudioDevice) openAudioDevice;
    decltype(&::SDL_PauseAudioDevice) pauseAudioDevice;
    decltype(&::SDL_CloseAudioDevice) closeAudioDevice;

    // The library, loaded on the first call (on the calling thread) and kept for the rest
    // of the run; null when it is not installed or lacks a function, so that no cue is
    // heard, as with no audio service.
    static const SdlAudioLibrary* load();
};
