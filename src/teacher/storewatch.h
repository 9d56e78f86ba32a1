#ifndef STOREWATCH_H
#define STOREWATCH_H

#include "records/classrecords.h"

#include <QObject>
#include <QTimer>

class RecordStore;

// Asks the store at an interval whether anything changed, by a stamp that
// costs one count and the list of learners, and tells when it did: other
// machines and programs add answers while the teacher looks.
class StoreWatch : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultInterval = 3000; // ms

    StoreWatch(RecordStore &store, int interval = DefaultInterval, QObject *parent = nullptr);

    // Takes the store as it is now as seen, as after reading it whole.
    void markSeen();
    // Compares now, as the timer does.
    void check();

signals:
    void changed();

private:
    RecordStore &m_store;
    QTimer m_timer;
    std::optional<StoreStamp> m_seen;
};

#endif
