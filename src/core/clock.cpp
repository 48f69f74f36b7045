#include "core/clock.h"

namespace stak {

double Clock::secondsSinceMidnight() const
{
    return now().time().msecsSinceStartOfDay() / 1000.0;
}

namespace {
Clock *g_clock = nullptr;
}

Clock &programClock()
{
    static SystemClock system;
    return g_clock ? *g_clock : system;
}

void setProgramClock(Clock *clock)
{
    g_clock = clock;
}

} // namespace stak
