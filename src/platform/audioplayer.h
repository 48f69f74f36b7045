#pragma once

#include <QLibrary>
#include <QString>
#include <memory>

namespace stak {

class AudioModule;

// Sounds and music for the real platform. The sound module is opened the
// first time something plays; when it cannot be loaded, or there is no audio
// device, the program stays silent and says once why on standard error.
class AudioPlayer
{
public:
    // modulePath: the sound module; empty: the one installed with the program.
    explicit AudioPlayer(QString modulePath = {});
    ~AudioPlayer();

    void play(const QString &file, bool wait);
    void musicPlay(const QString &file);
    void musicStop();
    void musicClose();

    // Where the installed program keeps its sound module.
    static QString installedModulePath();
    // Why there is no sound, once known; empty while there is or none was
    // asked for yet.
    QString silenceReason() const { return m_why; }

private:
    AudioModule *module();

    QString m_path;
    QLibrary m_library;
    std::unique_ptr<AudioModule> m_module;
    bool m_tried = false;
    QString m_why;
};

} // namespace stak
