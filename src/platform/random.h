#ifndef RANDOM_H
#define RANDOM_H

#include <random>

class Clock;

// Uniform random numbers in [0, 1), reseeded from the clock on request.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    virtual double next() = 0;
};

class ClockSeededRandom : public RandomSource
{
public:
    explicit ClockSeededRandom(const Clock &clock);
    void reseed() override;
    double next() override;

private:
    const Clock &m_clock;
    std::mt19937_64 m_engine;
};

#endif
