#include "scenario/commands.h"

#include "scenario/scenarioline.h"

#include <array>
#include <cstring>

namespace stak {

namespace {
using C = ScenarioCommand;
using A = ArgumentKind;
using F = FileKind;

constexpr std::array kCommands{
    ScenarioCommandRow{C::Message, "message", "msg", A::Text, F::None},
    ScenarioCommandRow{C::Sleep, "sleep", "pause", A::Number, F::None},
    ScenarioCommandRow{C::Say, "say", "talk", A::Text, F::None},
    ScenarioCommandRow{C::Tost, "tost", nullptr, A::Text, F::None},
    ScenarioCommandRow{C::BaseVoice, "basevoice", nullptr, A::Number, F::None},
    ScenarioCommandRow{C::PlaySound, "playsound", nullptr, A::SoundOrPhrase, F::Sound},
    ScenarioCommandRow{C::Wavs, "wavs", nullptr, A::File, F::Sound},
    ScenarioCommandRow{C::Dbl, "dbl", nullptr, A::None, F::None},
    ScenarioCommandRow{C::Gluk, "gluk", nullptr, A::CountOrEmpty, F::None},
    ScenarioCommandRow{C::BigGluk, "biggluk", nullptr, A::CountOrEmpty, F::None},
    ScenarioCommandRow{C::SetQuake, "setquake", nullptr, A::Number, F::None},
    ScenarioCommandRow{C::PicFrame, "picframe", nullptr, A::Switch, F::None},
    ScenarioCommandRow{C::PicClear, "picclear", nullptr, A::None, F::None},
    ScenarioCommandRow{C::Pic, "pic", "paint", A::File, F::Picture},
    ScenarioCommandRow{C::PicX, "picx", nullptr, A::Number, F::None},
    ScenarioCommandRow{C::PicY, "picy", nullptr, A::Number, F::None},
    ScenarioCommandRow{C::PicVisible, "picvisible", nullptr, A::Switch, F::None},
    ScenarioCommandRow{C::RestorePic, "restorepic", nullptr, A::None, F::None},
    ScenarioCommandRow{C::ShowButton, "showbutton", nullptr, A::ButtonIndex, F::None},
    ScenarioCommandRow{C::HideButton, "hidebutton", nullptr, A::ButtonIndex, F::None},
    ScenarioCommandRow{C::Timer, "timer", nullptr, A::Switch, F::None},
    ScenarioCommandRow{C::Unload, "unload", nullptr, A::None, F::None},
    ScenarioCommandRow{C::WaitRun, "waitrun", nullptr, A::Number, F::None},
    ScenarioCommandRow{C::Include, "include", nullptr, A::File, F::Text},
    ScenarioCommandRow{C::CdOpen, "cdopen", nullptr, A::None, F::None},
    ScenarioCommandRow{C::CdClose, "cdclose", nullptr, A::None, F::None},
    ScenarioCommandRow{C::Toon, "toon", nullptr, A::None, F::None},
    ScenarioCommandRow{C::ToonPic, "toonpic", nullptr, A::File, F::Picture},
    ScenarioCommandRow{C::ToonPicHide, "toonpichide", nullptr, A::None, F::None},
    ScenarioCommandRow{C::ToonMiniPic, "toonminipic", nullptr, A::File, F::Picture},
    ScenarioCommandRow{C::ToonMiniHide, "toonminihide", nullptr, A::None, F::None},
    ScenarioCommandRow{C::ToonClose, "toonclose", nullptr, A::None, F::None},
};

// Row i describes enumerator i, so the table has a row for every command.
constexpr bool rowsFollowTheEnum()
{
    for (std::size_t i = 0; i < kCommands.size(); ++i)
        if (kCommands[i].command != ScenarioCommand(i))
            return false;
    return kCommands.back().command == ScenarioCommand::ToonClose;
}
static_assert(rowsFollowTheEnum(), "one row per command, in the order of the enum");

} // namespace

std::span<const ScenarioCommandRow> ScenarioCommands()
{
    return kCommands;
}

const ScenarioCommandRow *FindScenarioCommand(const QString &word)
{
    for (const ScenarioCommandRow &c : kCommands)
        if (word == QLatin1String(c.name) || (c.alias && word == QLatin1String(c.alias)))
            return &c;
    return nullptr;
}

ScenarioArgument ParseScenarioArgument(ArgumentKind kind, const QString &argument)
{
    ScenarioArgument a;
    switch (kind) {
    case ArgumentKind::None:
    case ArgumentKind::Text:
    case ArgumentKind::File:
        break;
    case ArgumentKind::CountOrEmpty:
        if (argument.isEmpty())
            break;
        [[fallthrough]];
    case ArgumentKind::Number:
        if (const auto n = ScenarioNumber(argument))
            a.number = *n;
        else
            a.error = QStringLiteral("\"%1\" - не целое число").arg(argument);
        break;
    case ArgumentKind::ButtonIndex: {
        const auto k = ScenarioIndex(argument);
        if (k && *k >= 1 && *k <= 5)
            a.number = *k;
        else
            a.error = QStringLiteral("кнопки с номером \"%1\" нет (бывают 1..5)").arg(argument);
        break;
    }
    case ArgumentKind::SoundOrPhrase:
        // Read the way the voice action reads it: text after the two
        // backslashes that is no whole number above 0 means a random phrase.
        if (argument.isEmpty() || argument.startsWith(QStringLiteral("\\\\"))) {
            a.phrase = true;
            bool ok = false;
            const int n = argument.mid(2).trimmed().toInt(&ok);
            a.number = ok && n > 0 ? n : 0;
        }
        break;
    case ArgumentKind::Switch:
        a.on = argument == QStringLiteral("1");
        break;
    }
    return a;
}

} // namespace stak
