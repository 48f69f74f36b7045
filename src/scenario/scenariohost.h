#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace stak {

// The caricature window as scenarios drive it.
class ScenarioCaricature
{
public:
    virtual ~ScenarioCaricature() = default;
    virtual void toon() = 0;
    // False, leaving the window as it is, when the picture cannot be loaded.
    virtual bool toonpic(const QString &path) = 0;
    virtual void toonpichide() = 0;
    virtual bool toonminipic(const QString &path) = 0;
    virtual void toonminihide() = 0;
    virtual void toonclose() = 0;
};

// What a scenario run does to the companion window. The run itself reads the
// settings and goes to the platform for message boxes, sleeps, sounds it waits
// for and its yield points.
class ScenarioHost
{
public:
    virtual ~ScenarioHost() = default;

    // Speaking actions.
    virtual void SayText(const QString &text) = 0;
    virtual void SayToast(const QString &text) = 0;
    virtual void SayVoice(const QString &text) = 0;

    // Effects. Those taking a count return false, doing nothing, when the
    // count is not a whole number.
    virtual void DoublePicture() = 0;
    virtual bool GlitchPicture(const QString &count) = 0;
    virtual bool Frolic(const QString &count) = 0;
    virtual void SetCdDoor(const QString &state) = 0;

    // The picture panel. paintPicture is false, leaving the panel as it is,
    // when the file cannot be loaded.
    virtual void setPictureFrame(bool on) = 0;
    virtual void clearPicture() = 0;
    virtual void setPictureVisible(bool visible) = 0;
    virtual bool paintPicture(const QString &path, int x, int y) = 0;

    // User button k, 1..5.
    virtual void setUserButtonVisible(int k, bool visible) = 0;

    // The event timer: on clears its "no!" tag, off sets it.
    virtual void setEventTimer(bool on) = 0;

    // The window itself.
    virtual void setWindowVisible(bool visible) = 0;
    [[noreturn]] virtual void Form_Unload() = 0;
    virtual ScenarioCaricature &caricature() = 0;
};

// Receives one line for every executed scenario line, failure, start and end
// of a run ("FILE:LINE: [time] text"); the time counts from the run's start.
using ScenarioTrace = std::function<void(const QString &line)>;

// Runs the lines of a scenario on the host: yields before every line, skips
// comments, and ends after the last line, after a No to the unknown-command
// prompt or after a failing line, which is named to the user first. `file`
// names the scenario in the trace.
void ExecuteScenario(ScenarioHost &host, const QStringList &lines, const QString &file = {},
                     const ScenarioTrace &trace = {});

} // namespace stak
