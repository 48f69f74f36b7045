#pragma once

#include <QStringList>

namespace stak {

// Checks a scenario file as the program would run it, relative to the current
// folder. Returns one "FILE:LINE: message" line per problem.
QStringList CheckScenarioFile(const QString &file);

} // namespace stak
