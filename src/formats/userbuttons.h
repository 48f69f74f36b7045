#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace stak {

// A user button as a line of user.but describes it.
struct UserButton
{
    QString caption; // the line without the marker "%>!<%", trimmed
    bool hidden;     // the line holds the marker: shown only by a scenario
};

// The five user buttons from the lines of user.but: line k describes button
// k; a line blank after trimming (or a missing line) gives no button, lines
// after the fifth are ignored. Element 0 is unused.
std::array<std::optional<UserButton>, 6> ParseUserButtons(const QStringList &lines);

// The scenario user button k runs.
QString UserButtonScenario(int k);

} // namespace stak
