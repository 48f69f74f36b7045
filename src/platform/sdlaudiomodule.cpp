// The sound module (stakanych-audio.so): SDL2_mixer on its own audio thread.
#include "platform/audiomodule.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <vector>

namespace {

class SdlAudio : public stak::AudioModule
{
public:
    ~SdlAudio() override
    {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        if (m_chunk)
            Mix_FreeChunk(m_chunk);
        if (m_music)
            Mix_FreeMusic(m_music);
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    void play(const char *bytes, std::size_t size, bool wait) override
    {
        // A new sound cuts off the one still playing.
        Mix_HaltChannel(0);
        if (m_chunk) {
            Mix_FreeChunk(m_chunk);
            m_chunk = nullptr;
        }
        // The mixer decodes from memory and keeps its own copy.
        m_chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes, int(size)), 1);
        if (!m_chunk || Mix_PlayChannel(0, m_chunk, 0) < 0)
            return;
        if (wait)
            while (Mix_Playing(0))
                SDL_Delay(5);
    }

    void musicPlay(const char *bytes, std::size_t size) override
    {
        if (!m_music && bytes) {
            // Music is decoded while it plays: its bytes stay until closed.
            m_musicBytes.assign(bytes, bytes + size);
            m_music = Mix_LoadMUS_RW(
                SDL_RWFromConstMem(m_musicBytes.data(), int(m_musicBytes.size())), 1);
        }
        if (m_music)
            Mix_PlayMusic(m_music, 0);
    }

    bool musicLoaded() const override { return m_music != nullptr; }

    void musicStop() override { Mix_HaltMusic(); }

    void musicClose() override
    {
        if (!m_music)
            return;
        Mix_HaltMusic();
        Mix_FreeMusic(m_music);
        m_music = nullptr;
        m_musicBytes.clear();
    }

private:
    Mix_Chunk *m_chunk = nullptr;
    Mix_Music *m_music = nullptr;
    std::vector<char> m_musicBytes;
};

void tell(char *why, std::size_t size, const char *what)
{
    std::snprintf(why, size, "%s: %s", what, SDL_GetError());
}

} // namespace

extern "C" __attribute__((visibility("default"))) stak::AudioModule *
stak_audio_open(char *why, std::size_t whySize)
{
    // SDL would otherwise take over SIGINT and SIGTERM and the program could
    // no longer be ended from outside.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        tell(why, whySize, "no audio device");
        return nullptr;
    }
    Mix_Init(MIX_INIT_MP3);
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        tell(why, whySize, "the audio device cannot be opened");
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    Mix_AllocateChannels(1);
    return new SdlAudio;
}
