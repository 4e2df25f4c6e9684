#include "SdlAudioLibrary.h"

#include <dlfcn.h>

namespace {

// The run-time name of SDL 2 on every Linux distribution (its soname).
constexpr const char* LibraryName = "libSDL2-2.0.so.0";

template <typename Function>
bool resolve(void* handle, const char* name, Function& into)
{
    into = reinterpret_cast<Function>(dlsym(handle, name));
    return into != nullptr;
}

const SdlAudioLibrary* loadNow()
{
    // Lazily bound: only the functions the output calls are ever looked up.
    void* handle = dlopen(LibraryName, RTLD_LAZY | RTLD_LOCAL);
    if (!handle)
        return nullptr;
    // Never unloaded: the library's own threads may outlive the output's closing.
    static SdlAudioLibrary library{};
    const bool whole =
        resolve(handle, "SDL_SetHint", library.setHint) && resolve(handle, "SDL_InitSubSystem", library.initSubSystem)
        && resolve(handle, "SDL_Quit", library.quit) && resolve(handle, "SDL_TLSCleanup", library.tlsCleanup)
        && resolve(handle, "SDL_OpenAudioDevice", library.openAudioDevice)
        && resolve(handle, "SDL_PauseAudioDevice", library.pauseAudioDevice)
        && resolve(handle, "SDL_CloseAudioDevice", library.closeAudioDevice);
    return whole ? &library : nullptr;
}

} // namespace

const SdlAudioLibrary* SdlAudioLibrary::load()
{
    static const SdlAudioLibrary* const library = loadNow();
    return library;
}
