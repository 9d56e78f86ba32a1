#include "editor/voicemaker.h"

#include <QtConcurrent>

VoiceMaker::VoiceMaker(QObject *parent) : QObject(parent)
{
    connect(&m_watcher, &QFutureWatcher<ProcessedVoice>::finished, this, &VoiceMaker::handOver);
}

VoiceMaker::~VoiceMaker()
{
    m_watcher.waitForFinished();
}

void VoiceMaker::makeFromTake(int entry, const VoiceClip &clip, const QString &take)
{
    begin(entry, true, [clip, take] { return VoiceProcessor::processClip(clip, take); });
}

void VoiceMaker::makeFromFile(int entry, const QString &file)
{
    begin(entry, false, [file] { return VoiceProcessor::processFile(file); });
}

void VoiceMaker::begin(int entry, bool recorded, const std::function<ProcessedVoice()> &work)
{
    finish();
    m_entry = entry;
    m_recorded = recorded;
    m_watcher.setFuture(QtConcurrent::run(work));
}

void VoiceMaker::finish()
{
    if (!isBusy())
        return;
    m_watcher.waitForFinished();
    handOver();
}

// The watcher's late signal after finish() finds nothing to hand over.
void VoiceMaker::handOver()
{
    if (!isBusy())
        return;
    const int entry = std::exchange(m_entry, 0);
    emit made(entry, m_watcher.result(), m_recorded);
}
