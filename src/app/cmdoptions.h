#pragma once

#include "core/contentfolders.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace stak {

// Something the command line asks of the companion: of the one already
// running, or of this one once it is shown.
struct CompanionRequest
{
    enum Kind { Say, Toast, Voice, Run, Action };
    Kind kind;
    QString text;   // what to say, the toast (empty: a drawn one), the scenario, the action
    int number = 0; // the voice phrase (0: a drawn one)

    bool operator==(const CompanionRequest &) const = default;
};

// The program's command line. The options are whole arguments; every other
// argument belongs to the scenario to run, joined by single blanks as the
// shell handed them over (quotation marks are already gone).
struct CommandLine
{
    QString scenario;
    bool help = false;
    bool version = false;
    bool trace = false;
    // --say TEXT, --toast [TEXT], --voice [N], --run FILE, --action NAME, in
    // their order.
    QList<CompanionRequest> requests;
    // What is wrong with the command line, in words; empty when nothing is.
    QString error;
};

// args: the arguments after the program's name.
CommandLine ParseCommandLine(const QStringList &args);

// What --help prints: what the program is, how a scenario is given and the
// content folders the run would use.
QString HelpText(const ContentFolders &folders);
// What --version prints.
QString VersionText();

} // namespace stak
