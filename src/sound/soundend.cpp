#include "sound/soundend.h"

#include <algorithm>
#include <limits>

SoundEnd::SoundEnd()
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
        if (m_handler)
            m_handler();
    });
}

void SoundEnd::startSound(qint64 milliseconds)
{
    m_timer.start(int(std::clamp<qint64>(milliseconds, 0, std::numeric_limits<int>::max())));
}
