#pragma once

#include <QString>
#include <span>

namespace stak {

// The commands of the scenario language. The interpreter dispatches on this
// with a switch that has no default, so a command without a handler does not
// build.
enum class ScenarioCommand {
    Message,
    Sleep,
    Say,
    Tost,
    BaseVoice,
    PlaySound,
    Wavs,
    Dbl,
    Gluk,
    BigGluk,
    SetQuake,
    PicFrame,
    PicClear,
    Pic,
    PicX,
    PicY,
    PicVisible,
    RestorePic,
    ShowButton,
    HideButton,
    Timer,
    Unload,
    WaitRun,
    Include,
    CdOpen,
    CdClose,
    Toon,
    ToonPic,
    ToonPicHide,
    ToonMiniPic,
    ToonMiniHide,
    ToonClose,
};

// What a command makes of its argument.
enum class ArgumentKind {
    None,          // ignored
    Text,          // any text, used as it is
    Number,        // a 32-bit whole number
    CountOrEmpty,  // a whole number, or empty for the command's own default
    ButtonIndex,   // a user button 1..5; the integer part of a decimal number
    File,          // a content file
    SoundOrPhrase, // a WAV file, or empty / "\\N" for voice phrase N of sound.tlk
    Switch,        // exactly "1" is on, anything else off
};

// What a File or SoundOrPhrase argument names.
enum class FileKind { None, Picture, Sound, Text };

struct ScenarioCommandRow
{
    ScenarioCommand command;
    const char *name;
    const char *alias; // nullptr when the command has one name only
    ArgumentKind argument;
    FileKind file;
};

// Every command of the language, one row each, in the order of the enum.
std::span<const ScenarioCommandRow> ScenarioCommands();

// The command a lower-cased command word names; nullptr for an unknown word.
const ScenarioCommandRow *FindScenarioCommand(const QString &word);

// An argument read for its kind.
struct ScenarioArgument
{
    QString error;       // why the argument does not fit its kind; empty when it does
    qint32 number = 0;   // Number, ButtonIndex, CountOrEmpty and the phrase form
    bool on = false;     // Switch
    bool phrase = false; // SoundOrPhrase names a voice phrase (number 0: a random one)
    bool ok() const { return error.isEmpty(); }
};
ScenarioArgument ParseScenarioArgument(ArgumentKind kind, const QString &argument);

} // namespace stak
