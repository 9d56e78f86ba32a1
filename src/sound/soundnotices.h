#ifndef SOUNDNOTICES_H
#define SOUNDNOTICES_H

#include <QSet>
#include <QString>
#include <functional>

// The sound backend's warnings, each said at most once a run: one line when
// the machine has no audio output, whatever the number of sounds, and one
// line for each file that cannot be played, naming it and what is wrong.
class SoundNotices
{
public:
    using Writer = std::function<void(const QString &line)>;

    explicit SoundNotices(Writer write);

    // The notices of this process, written to stderr.
    static SoundNotices &shared();

    void noOutput();
    void unplayable(const QString &path, const QString &problem);

    // The player gave up on a file that had passed the WAV check. Without an
    // audio output that is the machine's doing, not the file's.
    void playerFailed(const QString &path, bool outputPresent);

private:
    Writer m_write;
    bool m_saidNoOutput = false;
    QSet<QString> m_named;
};

#endif
