#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace stak {

// Why bytes are not a WAV sound the program can play, in words for the
// user; no value when they are: a RIFF/WAVE file whose format chunk names an
// encoding the audio decoder knows (PCM, float, ADPCM, A-law, mu-law) with
// channels and a sample rate, followed by a data chunk that holds sound.
std::optional<QString> WavProblem(QByteArrayView bytes);

} // namespace stak
