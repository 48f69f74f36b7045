#include "core/clock.h"

namespace stak {

double Clock::secondsSinceMidnight() const
{
    return now().time().msecsSinceStartOfDay() / 1000.0;
}

} // namespace stak
