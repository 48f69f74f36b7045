#include "platform/sdlaudio.h"

#include "core/contentfile.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace stak {

SdlAudio::SdlAudio() = default;

SdlAudio::~SdlAudio()
{
    if (!m_open)
        return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    if (m_chunk)
        Mix_FreeChunk(m_chunk);
    if (m_music)
        Mix_FreeMusic(m_music);
    m_musicBytes.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudio::open()
{
    if (m_tried)
        return m_open;
    m_tried = true;
    // SDL would otherwise take over SIGINT and SIGTERM and the program could
    // no longer be ended from outside.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    Mix_Init(MIX_INIT_MP3);
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(1);
    m_open = true;
    return true;
}

void SdlAudio::play(const QString &file, bool wait)
{
    if (!open())
        return;
    // A new sound cuts off the one still playing.
    Mix_HaltChannel(0);
    if (m_chunk) {
        Mix_FreeChunk(m_chunk);
        m_chunk = nullptr;
    }
    // The bytes go through the program's own safe reading; the mixer decodes
    // them from memory and keeps its own copy.
    const auto bytes = readContentFile(file, ContentKind::Sound);
    if (!bytes)
        return;
    m_chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes->constData(), int(bytes->size())), 1);
    if (!m_chunk)
        return; // a missing or unreadable file is silent
    if (Mix_PlayChannel(0, m_chunk, 0) < 0)
        return;
    if (wait)
        while (Mix_Playing(0))
            SDL_Delay(5);
}

void SdlAudio::musicPlay(const QString &file)
{
    if (!open())
        return;
    if (!m_music) {
        // Music is decoded while it plays: its bytes stay until it is closed.
        const auto bytes = readContentFile(file, ContentKind::Sound);
        if (!bytes)
            return;
        m_musicBytes = *bytes;
        m_music = Mix_LoadMUS_RW(
            SDL_RWFromConstMem(m_musicBytes.constData(), int(m_musicBytes.size())), 1);
    }
    if (m_music)
        Mix_PlayMusic(m_music, 0);
}

void SdlAudio::musicStop()
{
    if (m_open)
        Mix_HaltMusic();
}

void SdlAudio::musicClose()
{
    if (!m_open || !m_music)
        return;
    Mix_HaltMusic();
    Mix_FreeMusic(m_music);
    m_music = nullptr;
    m_musicBytes.clear();
}

} // namespace stak
