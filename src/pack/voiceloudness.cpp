#include "pack/voiceloudness.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <ebur128.h>
#include <limits>
#include <memory>

namespace {

// Integrated loudness gates blocks of 400 ms.
constexpr unsigned long BlockMilliseconds = 400;
// The limiter sees this far ahead of a peak and comes back as slowly.
constexpr double LimiterSeconds = 0.005;
// Levelling is repeated, each time from the original, until the limited
// sound is this close to the target.
constexpr double CloseEnoughLu = 0.3;
constexpr int MaximumRounds = 6;
// Gain beyond this would only lift the noise of a recording of nothing.
constexpr double MaximumGainDb = 50.0;
// 16-bit rounding may lift a sample by half a step; the limiter aims a step under.
constexpr float CeilingMargin = 1.0f / 32768.0f;

double decibels(double value)
{
    return 20.0 * std::log10(value);
}

double amplitude(double dB)
{
    return std::pow(10.0, dB / 20.0);
}

struct StateDeleter
{
    void operator()(ebur128_state *state) const { ebur128_destroy(&state); }
};

// The running minimum of values over a window of width samples starting at
// each index, in one pass.
std::vector<float> windowMinimum(const std::vector<float> &values, size_t width)
{
    std::vector<float> minimum(values.size());
    std::deque<size_t> candidates;
    for (size_t i = values.size(); i-- > 0;) {
        while (!candidates.empty() && values[candidates.back()] >= values[i])
            candidates.pop_back();
        candidates.push_back(i);
        if (candidates.front() >= i + width)
            candidates.pop_front();
        minimum[i] = values[candidates.front()];
    }
    return minimum;
}

// The gain each sample needs to stay under the ceiling, held over a window
// on both sides and then averaged over a window, so it never rises above
// what a peak needs at the peak and ramps there smoothly.
void limit(std::vector<float> &mono, int rate, float ceiling)
{
    const size_t width = std::max<size_t>(1, size_t(LimiterSeconds * rate));
    const size_t count = mono.size();
    std::vector<float> needed(count + 2 * width, 1.0f);
    bool any = false;
    for (size_t i = 0; i < count; ++i) {
        const float magnitude = std::abs(mono[i]);
        if (magnitude > ceiling) {
            needed[i + width] = ceiling / magnitude;
            any = true;
        }
    }
    if (!any)
        return;
    // held[k] is the least need within width samples either side of k - width/2.
    const std::vector<float> held = windowMinimum(needed, 2 * width + 1);
    double sum = 0;
    for (size_t k = 0; k < width; ++k)
        sum += held[k];
    for (size_t i = 0; i < count; ++i) {
        // The average of held over [i, i + width), which lies within a
        // window of every peak it answers for.
        mono[i] *= float(sum / double(width));
        sum += held[i + width] - held[i];
    }
    for (float &sample : mono)
        sample = std::clamp(sample, -ceiling, ceiling);
}

} // namespace

namespace VoiceLoudness {

double loudness(const std::vector<float> &mono, int rate)
{
    std::unique_ptr<ebur128_state, StateDeleter> state(
        ebur128_init(1, unsigned(rate), EBUR128_MODE_I));
    if (!state || mono.empty())
        return -std::numeric_limits<double>::infinity();
    const unsigned long milliseconds = (unsigned long)(mono.size() * 1000 / size_t(rate));
    ebur128_add_frames_float(state.get(), mono.data(), mono.size());
    double result = -std::numeric_limits<double>::infinity();
    // The state keeps the last 400 ms, the whole of a shorter sound.
    if (milliseconds < BlockMilliseconds)
        ebur128_loudness_window(state.get(), std::max(1ul, milliseconds), &result);
    else
        ebur128_loudness_global(state.get(), &result);
    return result;
}

double peakDbfs(const std::vector<float> &mono)
{
    float peak = 0;
    for (float sample : mono)
        peak = std::max(peak, std::abs(sample));
    return decibels(peak);
}

void level(std::vector<float> &mono, int rate)
{
    const double measured = loudness(mono, rate);
    if (!std::isfinite(measured))
        return;
    const float ceiling = float(amplitude(CeilingDbfs)) - CeilingMargin;
    const std::vector<float> original = mono;
    double gainDb = TargetLufs - measured;
    for (int round = 0; round < MaximumRounds; ++round) {
        const float gain = float(amplitude(std::min(gainDb, MaximumGainDb)));
        for (size_t i = 0; i < mono.size(); ++i)
            mono[i] = original[i] * gain;
        limit(mono, rate, ceiling);
        const double missing = TargetLufs - loudness(mono, rate);
        if (std::abs(missing) < CloseEnoughLu || gainDb >= MaximumGainDb)
            break;
        gainDb += missing;
    }
}

} // namespace VoiceLoudness
