#pragma once

#include <cstddef>

// The sound module: WAV sounds and music through SDL2_mixer, in a library of
// its own (stakanych-audio.so) that the program opens the first time it plays
// something, so that a start that plays nothing loads no audio stack. Plain
// C++ without Qt on both sides of the boundary; the program reads the files
// and hands over their bytes.
namespace stak {

class AudioModule
{
public:
    virtual ~AudioModule() = default;
    // A WAV on the one sound channel, cutting off the sound still playing;
    // wait: returns when it has finished. Bytes that are no sound are silent.
    virtual void play(const char *bytes, std::size_t size, bool wait) = 0;
    // Music from the start; the module keeps its own copy of the bytes until
    // it is closed, and plays what it holds when given none.
    virtual void musicPlay(const char *bytes, std::size_t size) = 0;
    virtual bool musicLoaded() const = 0;
    virtual void musicStop() = 0;
    virtual void musicClose() = 0;
};

} // namespace stak

// The module's one entry point, looked up by this name. Returns null, with
// the reason in why, when there is no sound to be had (no audio device).
#define STAK_AUDIO_OPEN "stak_audio_open"
extern "C" {
using StakAudioOpen = stak::AudioModule *(*)(char *why, std::size_t whySize);
}
