#include "editor/sourcedocument.h"
#include "content/contentpack.h"
#include "editor/editormessage.h"
#include "editor/previewcache.h"
#include "editor/roweditor.h"
#include "platform/clock.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTextCursor>
#include <QTextDocument>

namespace {

constexpr int RescanDelay = 300;

const Clock &clockOf(const SaveTiming &timing)
{
    static const SystemClock system;
    return timing.clock ? *timing.clock : system;
}

} // namespace

std::unique_ptr<SourceDocument> SourceDocument::open(const QString &folder, const QString &bundled,
                                                     const SaveTiming &timing, QString *problem)
{
    std::optional<PackSource> files = PackSource::open(folder, bundled, problem);
    if (!files)
        return nullptr;
    return std::unique_ptr<SourceDocument>(new SourceDocument(std::move(*files), timing));
}

SourceDocument::SourceDocument(PackSource files, const SaveTiming &timing)
    : m_files(std::move(files)), m_schedule(clockOf(timing), timing.pause, timing.longest)
{
    m_saveTimer.setSingleShot(true);
    m_rescanTimer.setSingleShot(true);
    m_rescanTimer.setInterval(RescanDelay);
    connect(&m_saveTimer, &QTimer::timeout, this, &SourceDocument::saveWhenDue);
    connect(&m_rescanTimer, &QTimer::timeout, this, &SourceDocument::rescan);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this,
            [this] { m_rescanTimer.start(); });
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { m_rescanTimer.start(); });
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry)
        loadText(entry);
    watch();
}

SourceDocument::~SourceDocument() = default;

QString SourceDocument::flower(int entry)
{
    return ContentPack::BoardNames[entry - 1].toString();
}

QString SourceDocument::stampOf(int entry) const
{
    if (!m_files.hasOwnText(entry))
        return {};
    const QFileInfo file(m_files.textPath(entry));
    return QStringLiteral("%1 %2").arg(file.lastModified().toMSecsSinceEpoch()).arg(file.size());
}

// A text read again replaces its document once those who show it have the
// new one.
void SourceDocument::loadText(int entry)
{
    EntryText &text = m_texts[entry];
    text.read = m_files.readText(entry);
    text.bundled = m_files.bundledRows(entry);
    text.stamp = stampOf(entry);
    std::unique_ptr<QTextDocument> old = std::move(text.document);
    text.document.reset(RowEditor::newDocument(text.read.rows, nullptr));
    text.document->setModified(text.read.recoded);
    connect(text.document.get(), &QTextDocument::contentsChanged, this,
            [this, entry] { edited(entry); });
    if (old)
        emit textReplaced(entry);
}

QStringList SourceDocument::rows(int entry) const
{
    return RowEditor::rowsOf(text(entry));
}

bool SourceDocument::ownText(int entry) const
{
    const EntryText &text = m_texts[entry];
    if (!text.read.editable)
        return m_files.hasOwnText(entry);
    return rows(entry) != text.bundled;
}

bool SourceDocument::isModified() const
{
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry)
        if (m_texts[entry].read.editable && m_texts[entry].document->isModified())
            return true;
    return false;
}

void SourceDocument::edited(int entry)
{
    m_schedule.changed();
    m_saveTimer.start(m_schedule.millisecondsLeft());
    emit textEdited(entry);
}

// The timer is only a reminder: the schedule, on its clock, says whether
// the save is due.
void SourceDocument::saveWhenDue()
{
    if (const int left = m_schedule.millisecondsLeft())
        m_saveTimer.start(left);
    else
        saveAll();
}

QString SourceDocument::problemWords(int entry, const ContentProblem &problem) const
{
    return EditorMessage::withFlower(flower(entry), problem.what);
}

bool SourceDocument::saveAll()
{
    m_saveTimer.stop();
    m_schedule.saved();
    bool allSaved = true;
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry) {
        EntryText &text = m_texts[entry];
        if (!text.document->isModified() || !text.read.editable)
            continue;
        if (auto problem = m_files.saveText(entry, rows(entry))) {
            allSaved = false;
            m_saveProblem = EditorMessage::withFlower(flower(entry),
                                                      EditorMessage::textNotSaved(problem->what));
            continue;
        }
        text.document->setModified(false);
        text.read.recoded = false;
        text.stamp = stampOf(entry);
    }
    watch();
    emit saved(allSaved);
    return allSaved;
}

std::optional<QString> SourceDocument::setPhoto(int entry, const QString &file,
                                                PreviewCache &previews)
{
    const Preview checked = previews.check(file);
    if (!checked.problem.isEmpty())
        return EditorMessage::withFlower(flower(entry), EditorMessage::photoRefused());
    if (auto problem = m_files.setPhoto(entry, file))
        return EditorMessage::withFlower(flower(entry),
                                         EditorMessage::photoNotCopied(problem->what));
    previews.adopt(m_files.photo(entry), checked);
    watch();
    emit filesChanged();
    return std::nullopt;
}

std::optional<QString> SourceDocument::removePhoto(int entry)
{
    const auto problem = m_files.removePhoto(entry);
    emit filesChanged();
    if (problem)
        return problemWords(entry, *problem);
    return std::nullopt;
}

SourceDocument::EarlierVoice SourceDocument::currentVoice(int entry) const
{
    const QString path = m_files.voice(entry);
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return {QFileInfo(path).fileName(), file.readAll()};
}

// The voice before the change is held in memory, so that a take gone wrong
// costs nothing: it is put back in one step.
std::optional<QString> SourceDocument::changeVoice(int entry, const EarlierVoice &next)
{
    const EarlierVoice earlier = currentVoice(entry);
    const auto problem = next.name.isEmpty() ? m_files.removeVoice(entry)
                                             : m_files.setVoice(entry, next.bytes, next.name);
    watch();
    emit filesChanged();
    if (problem)
        return EditorMessage::withFlower(flower(entry),
                                         EditorMessage::voiceNotSaved(problem->what));
    m_earlierVoices.insert(entry, earlier);
    return std::nullopt;
}

std::optional<QString> SourceDocument::setVoice(int entry, const QByteArray &wav)
{
    return changeVoice(entry, {QStringLiteral("%1.wav").arg(entry), wav});
}

std::optional<QString> SourceDocument::removeVoice(int entry)
{
    return changeVoice(entry, {});
}

std::optional<QString> SourceDocument::restoreVoice(int entry)
{
    if (!hasEarlierVoice(entry))
        return std::nullopt;
    return changeVoice(entry, m_earlierVoices.value(entry));
}

std::optional<QString> SourceDocument::revertText(int entry)
{
    EntryText &text = m_texts[entry];
    if (text.read.editable) {
        QTextCursor cursor(text.document.get());
        cursor.select(QTextCursor::Document);
        cursor.insertText(text.bundled.join(u'\n'));
        if (!saveAll())
            return m_saveProblem;
        return std::nullopt;
    }
    const auto problem = m_files.removeText(entry);
    loadText(entry);
    emit filesChanged();
    if (problem)
        return problemWords(entry, *problem);
    return std::nullopt;
}

void SourceDocument::rescan()
{
    m_files.rescan();
    watch();
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry) {
        const EntryText &text = m_texts[entry];
        if (!text.document->isModified() && stampOf(entry) != text.stamp)
            loadText(entry);
    }
    emit filesChanged();
}

// A file replaced by a rename is no longer watched, so the watch is laid
// again after every change.
void SourceDocument::watch()
{
    const QStringList paths = m_files.watchedPaths();
    QStringList watched = m_watcher.files() + m_watcher.directories();
    QStringList gone;
    for (const QString &path : std::as_const(watched))
        if (!paths.contains(path))
            gone << path;
    if (!gone.isEmpty())
        m_watcher.removePaths(gone);
    QStringList added;
    for (const QString &path : paths)
        if (!watched.contains(path))
            added << path;
    if (!added.isEmpty())
        m_watcher.addPaths(added);
}
