#pragma once

#include <QByteArray>
#include <QString>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace stak {

// WAV sounds on one mixer channel and one piece of music, played by
// SDL2_mixer on its own audio thread. Without an audio device all is silent.
class SdlAudio
{
public:
    SdlAudio();
    ~SdlAudio();
    void play(const QString &file, bool wait);
    void musicPlay(const QString &file);
    void musicStop();
    void musicClose();

private:
    bool open();
    bool m_tried = false;
    bool m_open = false;
    Mix_Chunk *m_chunk = nullptr;
    Mix_Music *m_music = nullptr;
    QByteArray m_musicBytes;
};

} // namespace stak
