#ifndef PACKBUILDER_H
#define PACKBUILDER_H

#include "content/contentproblem.h"
#include "pack/packsummary.h"

#include <QByteArray>
#include <QStringList>
#include <atomic>
#include <functional>

class PackReport;
class WorkFolder;

// How the finished pack takes its place.
enum class Placement
{
    // OUT becomes the pack's folder; it must not exist yet, or be empty.
    Folder,
    // OUT is a link to the pack's folder beside it, turned to the new one
    // in one step, so a program reading the old pack never meets a mix.
    Link,
};

struct PackOptions
{
    QString source;  // holds "pictures", "texts" or "voices"
    QString out;     // where the pack is to be
    QString bundled; // the content pack that fills in the rest
    // Set (from a signal handler or another thread) to stop between two files.
    const std::atomic_bool *stop = nullptr;
    Placement placement = Placement::Folder;
};

// One folder of a source: its name, the suffixes of its files, what it
// holds as the user calls it, and the content file each entry's file makes.
struct SourceKind
{
    QString folder;
    QStringList suffixes;
    QString name;
    QString (*target)(int entry);
    // Whether the bundled pack gives the entries this folder does not.
    bool bundled = true;
};

// The folders of a source: "pictures", "texts" and "voices".
const SourceKind &pictureSources();
const SourceKind &textSources();
const SourceKind &voiceSources();

// What one source file gives: the bytes of its content file, or the
// problems that keep it from giving any.
struct MadeFile
{
    QByteArray bytes;
    ContentProblems problems;
    ContentProblems notes = {}; // what was changed in the file to make it
};

// Makes a complete content folder from a source folder: each entry's
// picture and text from the source where it gives a usable one, from the
// bundled pack otherwise, the voices the source gives (an entry without one
// has none), the names list from the quiz board, and the fixed
// pictures and sounds from the bundled pack. The source files are made on
// all cores; what the run says comes in the order of the files. Everything
// is written to a work folder beside the result, which takes its place only
// when all is written and on the disk, so a failed, stopped or killed run
// leaves nothing in OUT. All it does is told to the report, on the thread
// that runs it.
class PackBuilder
{
public:
    PackBuilder(const PackOptions &options, PackReport &report);

    // Makes the pack and tells the summary.
    PackSummary run();
    // Makes the pack; the summary is left to the caller to tell, for one
    // that adds to it (an install, with its menu entry).
    PackSummary make();

private:
    bool checkFolders();
    bool build(const WorkFolder &work);
    bool copyBundled(const QString &root);
    bool writeNames(const QString &root);
    bool packPictures(const QString &root);
    bool packTexts(const QString &root);
    bool packVoices(const QString &root);
    bool packFolder(const QString &root, const SourceKind &kind,
                    const std::function<MadeFile(const QString &)> &make, QList<int> *made);
    bool putInPlace(WorkFolder &work);
    bool putFolderInPlace(const WorkFolder &work, const QString &out);
    bool putLinkInPlace(const WorkFolder &work, const QString &out);
    bool write(const std::optional<ContentProblem> &problem);
    bool stopped();
    void refuse(const ContentProblems &problems, qsizetype files);

    PackOptions m_options;
    PackReport &m_report;
    PackSummary m_summary;
};

#endif
