// SPDX-License-Identifier: MIT
#pragma once
// The SDL2 audio functions the sound output uses, taken from the SDL2 library when the first sound
// is played. Until then neither SDL nor the thirty-odd audio, codec and desktop libraries it brings
// along are loaded: a game that has not made a sound yet starts and runs without them.

#include <SDL.h>

struct SdlAudioLibrary {
    decltype(&SDL_SetHint) SetHint;
    decltype(&SDL_InitSubSystem) InitSubSystem;
    decltype(&SDL_QuitSubSystem) QuitSubSystem;
    decltype(&SDL_WasInit) WasInit;
    decltype(&SDL_Quit) Quit;
    decltype(&SDL_AudioInit) AudioInit;
    decltype(&SDL_AudioQuit) AudioQuit;
    decltype(&SDL_GetNumAudioDevices) GetNumAudioDevices;
    decltype(&SDL_GetCurrentAudioDriver) GetCurrentAudioDriver;
    decltype(&SDL_RWFromConstMem) RWFromConstMem;
    decltype(&SDL_LoadWAV_RW) LoadWAV_RW;
    decltype(&SDL_FreeWAV) FreeWAV;
    decltype(&SDL_OpenAudioDevice) OpenAudioDevice;
    decltype(&SDL_CloseAudioDevice) CloseAudioDevice;
    decltype(&SDL_PauseAudioDevice) PauseAudioDevice;
    decltype(&SDL_QueueAudio) QueueAudio;
    decltype(&SDL_ClearQueuedAudio) ClearQueuedAudio;
    decltype(&SDL_GetQueuedAudioSize) GetQueuedAudioSize;
};

// Loads the library on the first call; null when it, or one of the functions, is missing (then no
// sound is heard).
const SdlAudioLibrary* SdlAudio();
