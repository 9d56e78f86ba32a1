#ifndef PACKBUILDER_H
#define PACKBUILDER_H

#include "content/contentproblem.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <atomic>
#include <functional>

class ProgressLine;
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
    QString source;  // holds "pictures" and "texts"
    QString out;     // where the pack is to be
    QString bundled; // the content pack that fills in the rest
    // Set (from a signal handler or another thread) to stop between two files.
    const std::atomic_bool *stop = nullptr;
    Placement placement = Placement::Folder;
};

// What a run made, took from the bundled pack and refused.
struct PackSummary
{
    bool made = false;       // the whole content folder is in place
    QList<int> picturesMade; // entries whose picture came from the source
    QList<int> textsMade;
    int fixedFiles = 0;
    int refused = 0;               // source files not used
    ContentProblems checkProblems; // what the content check found in the result
    bool menuEntryFailed = false;  // an installed pack has no menu entry

    bool clean() const
    {
        return made && refused == 0 && checkProblems.isEmpty() && !menuEntryFailed;
    }
    QStringList lines(const QString &out, int entries) const;
};

// One folder of a source: its name, the suffixes of its files, what it
// holds as the user calls it, and the content file each entry's file makes.
struct SourceKind
{
    QString folder;
    QStringList suffixes;
    QString name;
    QString (*target)(int entry);
};

// The two folders of a source: "pictures" and "texts".
const SourceKind &pictureSources();
const SourceKind &textSources();

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
// bundled pack otherwise, the names list from the quiz board, and the fixed
// pictures and sounds from the bundled pack. The source files are made on
// all cores; what the run says comes in the order of the files. Everything
// is written to a work folder beside the result, which takes its place only
// when all is written and on the disk, so a failed, stopped or killed run
// leaves nothing in OUT.
class PackBuilder
{
public:
    PackBuilder(const PackOptions &options, ProgressLine &output);

    PackSummary run();

private:
    bool checkFolders();
    bool build(const WorkFolder &work);
    bool copyBundled(const QString &root);
    bool writeNames(const QString &root);
    bool packPictures(const QString &root);
    bool packTexts(const QString &root);
    bool packFolder(const QString &root, const SourceKind &kind,
                    const std::function<MadeFile(const QString &)> &make, QList<int> *made);
    bool putInPlace(WorkFolder &work);
    bool putFolderInPlace(const WorkFolder &work, const QString &out);
    bool putLinkInPlace(const WorkFolder &work, const QString &out);
    bool write(const std::optional<ContentProblem> &problem);
    bool stopped();
    void fail(const QString &line);
    void refuse(const ContentProblems &problems, qsizetype files);

    PackOptions m_options;
    ProgressLine &m_output;
    PackSummary m_summary;
};

#endif
