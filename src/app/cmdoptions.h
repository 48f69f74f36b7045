#pragma once

#include "core/contentfolders.h"

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

// What --help prints: what the program is, how a scenario is given and the
// content folders the run would use.
QString HelpText(const ContentFolders &folders);
// What --version prints.
QString VersionText();

} // namespace stak
