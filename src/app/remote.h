#pragma once

#include "app/cmdoptions.h"

#include <optional>

namespace stak {

class CompanionRequests;

// What the command line asks of the companion, a scenario's path made absolute
// from the folder the program was started in.
CompanionRequest Absolute(CompanionRequest request, const QString &startFolder);

// Hands the requests to the companion of a copy that already runs, over the
// session bus. The exit status when one answered: 0, or 1 after its refusal was
// told on standard error; no value when no companion runs.
std::optional<int> SendToRunningCompanion(const QList<CompanionRequest> &requests);

// The requests for this run's companion; they wait until it is shown. False
// after a refusal, told on standard error.
bool RequestOfThisRun(CompanionRequests &companion, const QList<CompanionRequest> &requests);

} // namespace stak
