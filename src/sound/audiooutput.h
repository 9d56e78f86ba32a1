#ifndef AUDIOOUTPUT_H
#define AUDIOOUTPUT_H

// Whether the machine has an audio output device to play on, as Qt
// Multimedia sees it. Qt's own complaints while it looks, such as an audio
// server it cannot connect to, are held back when it finds none: the caller
// says so in one line of its own. When it finds one, or when the user has
// set up Qt's logging rules to see its messages, they are passed on.
bool audioOutputPresent();

// Keeps Qt Multimedia from printing at every start, before it is loaded:
// its information lines (which backend, which FFmpeg) are turned off unless
// the user has set up Qt's logging rules, which are then left to decide
// alone; and its FFmpeg backend is told not to look for hardware video
// codecs, unless the user says which to use. The program plays short WAV
// sounds and no video, and the codec drivers' own libraries complain on
// stderr when they are missing.
void quietMultimedia();

#endif
