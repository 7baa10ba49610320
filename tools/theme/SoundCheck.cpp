#include "SoundCheck.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace tilvora {

namespace {

// Opens a dummy output once: decoding converts to the device's format, so one must be open.
bool OpenSilentAudio() {
    static const bool opened = [] {
        SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
        return SDL_Init(SDL_INIT_AUDIO) == 0 &&
               Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) == 0;
    }();
    return opened;
}

} // namespace

bool SoundDecodes(const QByteArray& bytes) {
    if (!OpenSilentAudio())
        return false;
    SDL_RWops* source = SDL_RWFromConstMem(bytes.constData(), static_cast<int>(bytes.size()));
    Mix_Chunk* chunk = source ? Mix_LoadWAV_RW(source, 1) : nullptr;
    if (chunk == nullptr)
        return false;
    Mix_FreeChunk(chunk);
    return true;
}

} // namespace tilvora
