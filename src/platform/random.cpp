#include "platform/random.h"
#include "platform/clock.h"

#include <bit>
#include <cstdint>

ClockSeededRandom::ClockSeededRandom(const Clock &clock) : m_clock(clock)
{
    reseed();
}

void ClockSeededRandom::reseed()
{
    m_engine.seed(std::bit_cast<uint64_t>(m_clock.secondsSinceMidnight()));
}

double ClockSeededRandom::next()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine);
}
