#pragma once

#include <QString>
#include <QStringList>

namespace stak {

// The program's command line. The options are whole arguments; every other
// argument belongs to the scenario to run, joined by single blanks as the
// shell handed them over (quotation marks are already gone).
struct CommandLine
{
    QString scenario;
    bool help = false;
    bool version = false;
    bool trace = false;
};

// args: the arguments after the program's name.
CommandLine ParseCommandLine(const QStringList &args);

} // namespace stak
