// SPDX-License-Identifier: MIT
#include "platform/sound/SdlAudioLibrary.h"

#include <QLibrary>

namespace {

template <typename Function>
bool Resolve(QLibrary& library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

bool ResolveAll(QLibrary& library, SdlAudioLibrary& sdl) {
    return Resolve(library, "SDL_SetHint", sdl.SetHint) && Resolve(library, "SDL_InitSubSystem", sdl.InitSubSystem) &&
           Resolve(library, "SDL_QuitSubSystem", sdl.QuitSubSystem) && Resolve(library, "SDL_WasInit", sdl.WasInit) &&
           Resolve(library, "SDL_Quit", sdl.Quit) && Resolve(library, "SDL_AudioInit", sdl.AudioInit) &&
           Resolve(library, "SDL_AudioQuit", sdl.AudioQuit) &&
           Resolve(library, "SDL_GetNumAudioDevices", sdl.GetNumAudioDevices) &&
           Resolve(library, "SDL_GetCurrentAudioDriver", sdl.GetCurrentAudioDriver) &&
           Resolve(library, "SDL_RWFromConstMem", sdl.RWFromConstMem) &&
           Resolve(library, "SDL_LoadWAV_RW", sdl.LoadWAV_RW) && Resolve(library, "SDL_FreeWAV", sdl.FreeWAV) &&
           Resolve(library, "SDL_OpenAudioDevice", sdl.OpenAudioDevice) &&
           Resolve(library, "SDL_CloseAudioDevice", sdl.CloseAudioDevice) &&
           Resolve(library, "SDL_PauseAudioDevice", sdl.PauseAudioDevice) &&
           Resolve(library, "SDL_QueueAudio", sdl.QueueAudio) &&
           Resolve(library, "SDL_ClearQueuedAudio", sdl.ClearQueuedAudio) &&
           Resolve(library, "SDL_GetQueuedAudioSize", sdl.GetQueuedAudioSize);
}

}  // namespace

const SdlAudioLibrary* SdlAudio() {
    static const SdlAudioLibrary* const loaded = [] {
        // SDL2 keeps its binary interface across 2.x releases; the name is the library's soname.
        static QLibrary library(QStringLiteral("SDL2-2.0"), 0);
        static SdlAudioLibrary sdl{};
        return library.load() && ResolveAll(library, sdl) ? &sdl : nullptr;
    }();
    return loaded;
}
