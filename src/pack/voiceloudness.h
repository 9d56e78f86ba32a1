#ifndef VOICELOUDNESS_H
#define VOICELOUDNESS_H

#include <vector>

// Brings a voice to the loudness of the program's own sounds, measured as
// EBU R128 integrated loudness with libebur128, with its peak kept under a
// ceiling by a look-ahead limiter, so that a quiet phone recording and a
// close microphone sound alike after the chime.
namespace VoiceLoudness {

// The bundled sounds of data/音, played one after another, measure
// -11.9 LUFS with libebur128 (each alone from -9.6 to -15.6; oto.wav is too
// short for the measure); a voice is brought to that.
constexpr double TargetLufs = -12.0;
// How far from the target a levelled voice may end.
constexpr double ToleranceLu = 2.0;
// The highest sample of a levelled voice, -1 dBFS.
constexpr double CeilingDbfs = -1.0;

// Integrated loudness in LUFS of mono sound; a sound shorter than the
// measure's 400 ms block is measured over its whole length. -inf for silence.
double loudness(const std::vector<float> &mono, int rate);
// The highest absolute sample, in dBFS.
double peakDbfs(const std::vector<float> &mono);

// Levels mono sound in place to the target loudness with its peak at or
// under the ceiling.
void level(std::vector<float> &mono, int rate);

} // namespace VoiceLoudness

#endif
