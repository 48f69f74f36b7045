#include "platform/audioplayer.h"

#include "core/contentfile.h"
#include "platform/audiomodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace stak {

AudioPlayer::AudioPlayer(QString modulePath) : m_path(std::move(modulePath)) {}

AudioPlayer::~AudioPlayer()
{
    // The module's code goes with the library: the object goes first.
    m_module.reset();
}

QString AudioPlayer::installedModulePath()
{
    // Beside the program in a build, under its library folder when installed.
    const QDir bin(QCoreApplication::applicationDirPath());
    const QString beside = bin.filePath(QStringLiteral("stakanych-audio.so"));
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(bin.filePath(QStringLiteral(STAK_MODULES_FROM_BINDIR "/stakanych-audio.so")));
}

AudioModule *AudioPlayer::module()
{
    if (m_tried)
        return m_module.get();
    m_tried = true;
    m_library.setFileName(m_path.isEmpty() ? installedModulePath() : m_path);
    char why[256] = {};
    if (!m_library.load()) {
        m_why = QStringLiteral("the sound module cannot be loaded: %1").arg(m_library.errorString());
    } else if (auto open = reinterpret_cast<StakAudioOpen>(m_library.resolve(STAK_AUDIO_OPEN))) {
        m_module.reset(open(why, sizeof why));
        if (!m_module)
            m_why = QString::fromLocal8Bit(why);
    } else {
        m_why = QStringLiteral("%1 is no sound module").arg(m_library.fileName());
    }
    if (!m_why.isEmpty())
        QTextStream(stderr) << "stakanych: no sound, " << m_why << '\n';
    return m_module.get();
}

void AudioPlayer::play(const QString &file, bool wait)
{
    // The bytes go through the program's own safe reading; a missing or
    // unreadable file is silent.
    AudioModule *m = module();
    if (!m)
        return;
    const auto bytes = readContentFile(file, ContentKind::Sound);
    if (bytes)
        m->play(bytes->constData(), std::size_t(bytes->size()), wait);
    else
        m->play(nullptr, 0, false); // cuts off the sound still playing
}

void AudioPlayer::musicPlay(const QString &file)
{
    AudioModule *m = module();
    if (!m)
        return;
    if (m->musicLoaded()) {
        m->musicPlay(nullptr, 0);
        return;
    }
    if (const auto bytes = readContentFile(file, ContentKind::Sound))
        m->musicPlay(bytes->constData(), std::size_t(bytes->size()));
}

void AudioPlayer::musicStop()
{
    if (m_module)
        m_module->musicStop();
}

void AudioPlayer::musicClose()
{
    if (m_module)
        m_module->musicClose();
}

} // namespace stak
