// The pack editor on a teacher's folder of 60 photographs of 2400 × 1800,
// in-process on the offscreen platform: the window's first paint after the
// folder is opened, the first entry's preview and all 60 previews made on
// the worker threads, choosing each entry once its preview is made, one
// keystroke in a text, and the longest pause of the window's event loop
// while the pack is made. Prints "name value" lines (milliseconds) for
// scripts/bench.
#include "editor/bookpreview.h"
#include "editor/editorwindow.h"
#include "editor/entrylist.h"
#include "editor/roweditor.h"
#include "photographs.h"
#include "platform/image.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextCursor>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Photographs = 60;

double milliseconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// Runs the event loop until the condition holds; false after two minutes.
bool waitFor(const std::function<bool()> &condition)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > 120000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

// Notes the first paint of a widget.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget *widget) { widget->installEventFilter(this); }
    bool seen = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        seen = seen || event->type() == QEvent::Paint;
        return false;
    }
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void print(const char *name, double value)
{
    std::printf("%s %.3f\n", name, value);
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
    QApplication app(argc, argv);
    const QString source = dir.filePath("source");
    writePhotographs(source + "/pictures", Photographs);
    const PackPlace place{dir.filePath("packs"), dir.filePath("applications"), false};

    QElapsedTimer timer;
    timer.start();
    EditorWindow window(
        {QStringLiteral(HANA_SOURCE_DIR "/data"), QStringLiteral("true"), place, {}});
    const FirstPaint painted(&window);
    if (window.openFolder(source))
        return 1;
    window.show();
    if (!waitFor([&painted] { return painted.seen; }))
        return 1;
    print("editor_shown", milliseconds(timer));
    if (!waitFor([&window] { return window.bookPreview()->picture()->isVisible(); }))
        return 1;
    print("editor_first_preview", milliseconds(timer));
    if (!waitFor([&window] { return window.previews().pending() == 0; }))
        return 1;
    print("editor_all_previews", milliseconds(timer));

    std::vector<double> choices;
    for (int entry = 1; entry <= Photographs; ++entry) {
        timer.start();
        window.entryList()->setCurrentEntry(entry);
        window.repaint();
        choices.push_back(milliseconds(timer));
    }
    print("editor_choose_median", median(choices));
    print("editor_choose_slowest", *std::max_element(choices.begin(), choices.end()));

    std::vector<double> keys;
    window.entryList()->setCurrentEntry(1);
    for (int key = 0; key < 30; ++key) {
        timer.start();
        window.rowEditor()->textCursor().insertText(QStringLiteral("花"));
        window.repaint();
        keys.push_back(milliseconds(timer));
    }
    print("editor_key_median", median(keys));

    // The event loop's longest pause while the pack is made, seen by a timer
    // that asks to tick every 10 ms.
    QSignalSpy finished(&window, &EditorWindow::packFinished);
    QElapsedTimer gap;
    double longest = 0;
    QTimer ticks;
    ticks.setInterval(10);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        longest = std::max(longest, milliseconds(gap));
        gap.start();
    });
    timer.start();
    gap.start();
    ticks.start();
    window.makePack(QStringLiteral("bench"));
    if (!waitFor([&finished] { return !finished.isEmpty(); }))
        return 1;
    print("editor_pack_seconds", milliseconds(timer) / 1000);
    print("editor_pack_longest_pause", longest);
    return finished.first().first().value<PackResult>().summary.made ? 0 : 1;
}
