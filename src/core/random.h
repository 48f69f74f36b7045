#pragma once

#include <QList>
#include <cstdint>

namespace stak {

// The program-wide source of uniform single-precision values in [0, 1).
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
    // Mixes the time of day into the state without resetting all of it, so
    // draws made within one clock tick still differ.
    virtual void reseed(double secondsSinceMidnight) = 0;
};

class MixingRandom : public RandomSource
{
public:
    explicit MixingRandom(std::uint64_t seed = 0x5EED2003ULL) : m_state(seed) {}
    float next() override;
    void reseed(double secondsSinceMidnight) override;

private:
    std::uint64_t m_state;
};

// Plays back a fixed list of draws, for tests. When the list is used up it
// starts again from its first value. Reseeds are counted, not applied.
class ScriptedRandom : public RandomSource
{
public:
    explicit ScriptedRandom(QList<float> values = {}) : m_values(std::move(values)) {}
    float next() override;
    void reseed(double) override { ++m_reseeds; }
    void setValues(QList<float> values)
    {
        m_values = std::move(values);
        m_pos = 0;
    }
    void push(float v) { m_values.append(v); }
    int draws() const { return m_draws; }
    int reseeds() const { return m_reseeds; }

private:
    QList<float> m_values;
    qsizetype m_pos = 0;
    int m_draws = 0;
    int m_reseeds = 0;
};

// The current application context's random source.
RandomSource &programRandom();

// Reseeds the program's source from the program's clock.
void reseedFromClock();
// floor(r * n) + 1 with the product in double precision.
int drawWhole(float r, int n);

} // namespace stak
