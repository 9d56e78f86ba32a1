#ifndef AUDIOOUTPUT_H
#define AUDIOOUTPUT_H

// Whether the machine has an audio output device to play on, as Qt
// Multimedia sees it. Qt's own complaints while it looks, such as an audio
// server it cannot connect to, are held back when it finds none: the caller
// says so in one line of its own. When it finds one they are passed on.
bool audioOutputPresent();

// Turns off Qt Multimedia's information lines (which backend, which FFmpeg)
// that it prints at every start, unless the user has set up Qt's logging
// rules: those are then left to decide alone.
void quietMultimediaInfo();

#endif
