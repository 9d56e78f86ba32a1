#!/usr/bin/python3
"""Synthesise the program's sound effects into data/音/.

Every sound is built from sine partials with envelopes, so the output is
fully determined by this file: re-running it rewrites identical WAV files.

    /usr/bin/python3 tools/content/make_sounds.py
"""

import pathlib
import wave

import numpy as np

RATE = 44100
PEAK = 0.708  # -3 dBFS
FADE_IN = 0.004
FADE_OUT = 0.030

OUT_DIR = pathlib.Path(__file__).resolve().parents[2] / "data" / "音"

# Partial ratios of a struck metal bar: clearly pitched, but not harmonic.
BELL_RATIOS = (1.0, 2.756, 5.404, 8.933)
BELL_LEVELS = (1.0, 0.30, 0.12, 0.05)


def note(name):
    """Frequency in Hz of a note such as "C5" or "F#3" (A4 = 440 Hz)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semitone = steps[name[0]] + name.count("#") - name.count("b")
    octave = int(name[-1])
    return 440.0 * 2.0 ** ((semitone + 12 * (octave - 4)) / 12.0)


def times(seconds):
    return np.arange(int(round(seconds * RATE))) / RATE


def attack_release(t, attack, release, length):
    """Linear rise over `attack`, linear fall over the last `release` seconds."""
    rise = np.clip(t / attack, 0.0, 1.0)
    fall = np.clip((length - t) / release, 0.0, 1.0)
    return rise * fall


def bell(freq, seconds, decay, brightness=1.0):
    """A struck bell tone: inharmonic partials, higher ones dying faster."""
    t = times(seconds)
    tone = np.zeros_like(t)
    for ratio, level in zip(BELL_RATIOS, BELL_LEVELS):
        partial_decay = decay * ratio ** 0.7
        level *= brightness ** (ratio - 1.0)
        tone += level * np.sin(2 * np.pi * freq * ratio * t) * np.exp(-partial_decay * t)
    return tone * attack_release(t, 0.002, 0.02, seconds)


def brass(freq, seconds, attack=0.04, harmonics=10, vibrato=0.0, glide=0.0, wah=False):
    """A brass-like tone: harmonics whose upper members swell in a bit later.

    `vibrato` is the depth in semitones (5.5 Hz); `glide` bends the pitch
    by that many semitones over the length of the note; `wah` opens and
    closes the tone like a plunger mute, dulling the start and the end.
    """
    t = times(seconds)
    bend = glide * t / seconds + vibrato * np.sin(2 * np.pi * 5.5 * t) * np.clip(t / 0.25, 0, 1)
    phase = 2 * np.pi * np.cumsum(freq * 2.0 ** (bend / 12.0)) / RATE
    opening = 0.35 + 0.6 * np.sin(np.pi * t / seconds) if wah else 1.0
    tone = np.zeros_like(t)
    for k in range(1, harmonics + 1):
        swell = np.clip(t / (attack * (1 + 0.25 * k)), 0.0, 1.0)
        tone += swell * opening ** (k - 1) * np.sin(k * phase) / k ** 1.2
    return tone * attack_release(t, attack, 0.06, seconds)


def buzz(freq, seconds, cutoff):
    """A square wave through a low-pass, built from its odd harmonics.

    It sags to half its loudness by the end so it sounds less harsh.
    """
    t = times(seconds)
    tone = np.zeros_like(t)
    k = 1
    while k * freq < 4 * cutoff:
        gain = 1.0 / np.sqrt(1.0 + (k * freq / cutoff) ** 4)
        tone += gain * np.sin(2 * np.pi * k * freq * t) / k
        k += 2
    sag = 1.0 - 0.5 * t / seconds
    return tone * sag * attack_release(t, 0.008, 0.03, seconds)


def mix(length, *parts):
    """Sum (start time, samples) pairs into one track of `length` seconds."""
    track = np.zeros(int(round(length * RATE)))
    for start, samples in parts:
        first = int(round(start * RATE))
        samples = samples[: len(track) - first]
        track[first:first + len(samples)] += samples
    return track


def finish(track):
    """Fade both ends to silence, remove any offset and normalise to -3 dBFS.

    The offset is taken out in the shape of the fade, so the ends stay silent.
    """
    t = np.arange(len(track)) / RATE
    fade = attack_release(t, FADE_IN, FADE_OUT, len(track) / RATE)
    track = track * fade
    track -= fade * (track.sum() / fade.sum())
    return track * (PEAK / np.abs(track).max())


def write_wav(path, track):
    samples = np.round(track * 32767).astype("<i2")
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(samples.tobytes())


def button_pop():
    """A soft, short click-chime: a quick downward pitch drop plus a tiny bell."""
    t = times(0.2)
    sweep = 2 * np.pi * np.cumsum(500 + 700 * np.exp(-t / 0.012)) / RATE
    pop = np.sin(sweep) * np.exp(-t / 0.025)
    return mix(0.2, (0.0, pop), (0.004, 0.35 * bell(note("G6"), 0.19, 22, 0.5)))


def entry_chime():
    """Two soft rising bell tones, like a gentle "look here"."""
    return mix(0.5,
               (0.0, bell(note("G5"), 0.5, 7, 0.4)),
               (0.14, bell(note("C6"), 0.36, 8, 0.4)))


def correct_chime():
    """The "ping-pong" of a right answer: a high bell, then a lower, longer one."""
    return mix(0.8,
               (0.0, bell(note("E6"), 0.8, 9)),
               (0.22, 1.1 * bell(note("C6"), 0.58, 5)))


def wrong_buzz():
    """A low "bu-bu": two buzzes, the second a little longer."""
    def double(freq):
        return mix(0.6, (0.0, buzz(freq, 0.2, 500)), (0.27, buzz(freq, 0.33, 500)))
    return double(110.0) + 0.6 * double(111.3)


def pass_fanfare():
    """A rising major arpeggio that lands on a held, bell-topped major chord."""
    steps = [(0.00, "G4"), (0.11, "C5"), (0.22, "E5"), (0.33, "G5")]
    parts = [(start, brass(note(name), 0.16, attack=0.02)) for start, name in steps]
    for name in ("C5", "E5", "G5", "C6"):
        parts.append((0.46, brass(note(name), 1.54, attack=0.05, vibrato=0.08)))
    parts.append((0.46, 0.35 * bell(note("C7"), 1.2, 3)))
    parts.append((0.46, 0.25 * bell(note("G6"), 1.2, 3)))
    return mix(2.0, *parts)


def fail_phrase():
    """A sad "wah-wah-wah-waaah": falling semitones, the last one drooping."""
    parts = [(start, brass(note(name), 0.3, attack=0.07, harmonics=8, wah=True))
             for start, name in ((0.0, "G3"), (0.32, "F#3"), (0.64, "F3"))]
    parts.append((0.96, brass(note("E3"), 0.54, attack=0.07, harmonics=8,
                              vibrato=0.35, glide=-1.0, wah=True)))
    return mix(1.5, *parts)


SOUNDS = {
    "oto.wav": button_pop,
    "oto1.wav": entry_chime,
    "o.wav": correct_chime,
    "x.wav": wrong_buzz,
    "gokaku.wav": pass_fanfare,
    "dame.wav": fail_phrase,
}


def main():
    OUT_DIR.mkdir(parents=True, exist_ok=True)
    for name, make in SOUNDS.items():
        write_wav(OUT_DIR / name, finish(make()))


if __name__ == "__main__":
    main()
