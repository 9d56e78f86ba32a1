#include "pack/voicetrim.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double StretchSeconds = 0.01;
constexpr double BelowLoudestDb = 40.0;

double power(double dB)
{
    return std::pow(10.0, dB / 10.0);
}

} // namespace

namespace VoiceTrim {

Span soundSpan(const std::vector<float> &mono, int rate)
{
    const size_t stretch = std::max<size_t>(1, size_t(StretchSeconds * rate));
    const size_t stretches = (mono.size() + stretch - 1) / stretch;
    std::vector<double> energy(stretches, 0.0);
    for (size_t s = 0; s < stretches; ++s) {
        const size_t end = std::min(mono.size(), (s + 1) * stretch);
        double sum = 0;
        for (size_t i = s * stretch; i < end; ++i)
            sum += double(mono[i]) * mono[i];
        energy[s] = sum / double(end - s * stretch);
    }

    const double loudest = stretches ? *std::max_element(energy.begin(), energy.end()) : 0.0;
    if (loudest < power(SilenceDbfs))
        return Span();
    const double threshold = std::max(power(SilenceDbfs), loudest / power(BelowLoudestDb));
    const auto isSound = [threshold](double e) { return e >= threshold; };
    const size_t first =
        size_t(std::find_if(energy.begin(), energy.end(), isSound) - energy.begin());
    const size_t last =
        stretches - 1 -
        size_t(std::find_if(energy.rbegin(), energy.rend(), isSound) - energy.rbegin());

    const size_t kept = size_t(KeptSeconds * rate);
    const size_t start = first * stretch;
    const size_t end = std::min(mono.size(), (last + 1) * stretch);
    return {start > kept ? start - kept : 0, std::min(mono.size(), end + kept)};
}

} // namespace VoiceTrim
