#pragma once

#include "core/clock.h"
#include "core/phrasehistory.h"
#include "core/random.h"
#include "core/settings.h"

namespace stak {

class Platform;

// The program-wide services of one run: the platform, the clock, the random
// source, the settings record and the phrase history. The program's main and
// every test build one; building it makes it current, destroying it ends that.
// The accessors (settings(), platform(), programRandom(), programClock(),
// phraseHistory()) serve the current context and stop the program when there
// is none: nothing falls back to the real desktop behind a test's back.
class AppContext
{
public:
    AppContext(Platform *platform, Clock *clock, RandomSource *random);
    ~AppContext();
    AppContext(const AppContext &) = delete;
    AppContext &operator=(const AppContext &) = delete;

    static AppContext &current();

    Platform *platform;
    Clock *clock;
    RandomSource *random;
    Settings settings;
    PhraseHistory phrases;

private:
    AppContext *m_previous;
};

} // namespace stak
