#ifndef SOURCEDOCUMENT_H
#define SOURCEDOCUMENT_H

#include "editor/packsource.h"
#include "editor/saveschedule.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <array>
#include <memory>

class Clock;
class PreviewCache;
class QTextDocument;

// When the texts are saved: a pause after the last key, and at the latest
// the longest wait after the first change not yet saved.
struct SaveTiming
{
    int pause = 1000;
    int longest = 1000;
    const Clock *clock = nullptr; // the system's when none is given
};

// The source folder open in the editor: its files (PackSource), each
// entry's explanation as a document with its own undo history, saved on
// the SaveTiming, and a watch over the folders and their files, so that
// what another program changes shows here; a text changed outside is read
// again unless it has changes of its own not saved yet.
class SourceDocument : public QObject
{
    Q_OBJECT

public:
    // The folder opened, or nothing with why not in problem.
    static std::unique_ptr<SourceDocument> open(const QString &folder, const QString &bundled,
                                                const SaveTiming &timing, QString *problem);
    ~SourceDocument() override;

    const PackSource &files() const { return m_files; }
    const QString &folder() const { return m_files.folder(); }
    static QString flower(int entry);

    QTextDocument *text(int entry) const { return m_texts[entry].document.get(); }
    const SourceText &readText(int entry) const { return m_texts[entry].read; }
    QStringList rows(int entry) const;
    // Whether the entry's text differs from the bundled one, as it stands.
    bool ownText(int entry) const;
    bool isModified() const;

    // Writes every text changed since it was saved; false when one could not be.
    bool saveAll();
    // Why the last text that could not be saved was not, flower first.
    const QString &saveProblem() const { return m_saveProblem; }

    // Copies a photograph in as the entry's once it is found to give a
    // picture as hana-pack decodes it, keeping that preview for the copy;
    // why it was not taken, flower first.
    std::optional<QString> setPhoto(int entry, const QString &file, PreviewCache &previews);
    std::optional<QString> removePhoto(int entry);
    // Saves a voice in the pack's form as the entry's, in place of any
    // other; the voice it replaces is kept, for restoreVoice.
    std::optional<QString> setVoice(int entry, const QByteArray &wav);
    std::optional<QString> removeVoice(int entry);
    // Puts back the voice that the entry's last change replaced or removed,
    // and keeps the one it replaces in turn: two takes can be had by turns.
    std::optional<QString> restoreVoice(int entry);
    bool hasEarlierVoice(int entry) const { return m_earlierVoices.contains(entry); }

    // Back to the bundled text as one edit that undo takes back; a text that
    // could not be read is removed instead.
    std::optional<QString> revertText(int entry);

    // Reads the folder again now, as a change seen in it does a moment later.
    void rescan();

signals:
    void textEdited(int entry);
    // The entry's document was read again: the old one goes after this.
    void textReplaced(int entry);
    void filesChanged();
    void saved(bool allSaved);

private:
    struct EntryText
    {
        std::unique_ptr<QTextDocument> document;
        SourceText read;
        QStringList bundled;
        QString stamp; // the file as last read or written
    };

    // A voice as it was before a change: its file's name and bytes, or no
    // name when there was none.
    struct EarlierVoice
    {
        QString name;
        QByteArray bytes;
    };

    SourceDocument(PackSource files, const SaveTiming &timing);
    EarlierVoice currentVoice(int entry) const;
    std::optional<QString> changeVoice(int entry, const EarlierVoice &next);
    void loadText(int entry);
    void edited(int entry);
    void saveWhenDue();
    void watch();
    QString stampOf(int entry) const;
    QString problemWords(int entry, const ContentProblem &problem) const;

    PackSource m_files;
    std::array<EntryText, 61> m_texts; // by entry, from 1
    SaveSchedule m_schedule;
    QTimer m_saveTimer;
    QTimer m_rescanTimer;
    QFileSystemWatcher m_watcher;
    QString m_saveProblem;
    QMap<int, EarlierVoice> m_earlierVoices;
};

#endif
