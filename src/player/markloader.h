#ifndef MARKLOADER_H
#define MARKLOADER_H

#include <QFutureWatcher>
#include <QImage>
#include <QList>
#include <QObject>
#include <QThreadPool>

class QWidget;

// A learner's mark as a worker thread decoded it, or why it could not.
struct DecodedMark
{
    QImage picture;
    QString problem;
};

// Decodes the marks of a screen's learners on a worker thread once the
// window has first been painted, so that the screen shows at once and each
// mark follows as soon as it is ready; markReady comes on the thread of the
// loader, in the order of the entries. The loader belongs to the window:
// closed, it drops what is still coming.
class MarkLoader : public QObject
{
    Q_OBJECT

public:
    MarkLoader(const QList<int> &entries, int side, QWidget *window);
    ~MarkLoader() override;

    DecodedMark mark(int index) const { return m_watcher.resultAt(index); }

signals:
    void markReady(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void start();

    QList<int> m_entries;
    int m_side;
    // One thread, so that the screen's own thread keeps a core to itself.
    QThreadPool m_pool;
    QFutureWatcher<DecodedMark> m_watcher;
};

#endif
