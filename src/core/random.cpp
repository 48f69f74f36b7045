#include "core/random.h"

#include "core/clock.h"

#include <bit>
#include <cmath>

namespace stak {

namespace {
std::uint64_t mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}
} // namespace

float MixingRandom::next()
{
    m_state += 0x9E3779B97F4A7C15ULL;
    // 24 bits: every value is exact in single precision and below 1.
    return float(mix(m_state) >> 40) / 16777216.0f;
}

void MixingRandom::reseed(double secondsSinceMidnight)
{
    // The clock is folded into the state; what the state held stays in it, so
    // two reseeds within one clock tick still lead to different draws.
    m_state = mix(m_state ^ std::bit_cast<std::uint64_t>(secondsSinceMidnight));
}

float ScriptedRandom::next()
{
    ++m_draws;
    if (m_values.isEmpty())
        return 0.0f;
    if (m_pos >= m_values.size())
        m_pos = 0;
    return m_values[m_pos++];
}

void reseedFromClock()
{
    programRandom().reseed(programClock().secondsSinceMidnight());
}

int drawWhole(float r, int n)
{
    return int(std::floor(double(r) * double(n))) + 1;
}

} // namespace stak
