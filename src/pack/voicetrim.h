#ifndef VOICETRIM_H
#define VOICETRIM_H

#include <cstddef>
#include <vector>

// Finds the sound in a recording: the span from the first to the last
// stretch of 10 ms that is louder than silence, with 50 ms kept on either
// side. Silence is what lies 40 dB under the loudest stretch, or under
// -60 dBFS, whichever is higher, so the hum of a quiet room and a phone's
// noise floor are cut as well as digital silence.
namespace VoiceTrim {

constexpr double KeptSeconds = 0.05;
// A recording whose loudest stretch is under this holds no voice.
constexpr double SilenceDbfs = -60.0;

struct Span
{
    size_t start = 0;
    size_t end = 0; // one past the last sample; equal to start for silence
};

Span soundSpan(const std::vector<float> &mono, int rate);

} // namespace VoiceTrim

#endif
