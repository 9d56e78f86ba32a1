#include "support/sinkrecorder.h"
#include "support/tone.h"

#include <QTest>

bool SinkRecorder::serverRunning()
{
    QProcess info;
    info.start("pactl", {"info"});
    return info.waitForFinished() && info.exitCode() == 0;
}

SinkRecorder::SinkRecorder() = default;

SinkRecorder::~SinkRecorder()
{
    m_parec.kill();
    m_parec.waitForFinished();
}

bool SinkRecorder::start()
{
    m_parec.start("parec",
                  {"--device=" + qEnvironmentVariable("HANA_AUDIO_MONITOR", "hana_null.monitor"),
                   "--latency-msec=10", "--format=s16le", "--rate=" + QString::number(ToneRate),
                   "--channels=1", "--raw"});
    if (!m_parec.waitForStarted())
        return false;
    return QTest::qWaitFor([this] { return m_parec.bytesAvailable() > 0; }, 5000);
}

void SinkRecorder::restart()
{
    QTest::qWait(200);
    m_parec.readAllStandardOutput();
    m_recorded.clear();
}

QByteArray SinkRecorder::recordFor(int milliseconds)
{
    QTest::qWait(milliseconds);
    m_recorded += m_parec.readAllStandardOutput();
    return m_recorded;
}

qsizetype SinkRecorder::samplesSoFar()
{
    m_recorded += m_parec.readAllStandardOutput();
    return m_recorded.size() / 2;
}
