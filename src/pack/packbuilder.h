#ifndef PACKBUILDER_H
#define PACKBUILDER_H

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <csignal>
#include <functional>

class ProgressLine;
class QTemporaryDir;

struct PackOptions
{
    QString source;  // holds "pictures" and "texts"
    QString out;     // the content folder to make; must not exist yet
    QString bundled; // the content pack that fills in the rest
    // Set (from a signal handler) to stop between two files.
    const volatile std::sig_atomic_t *stop = nullptr;
};

// What a run made, took from the bundled pack and refused.
struct PackSummary
{
    bool made = false;       // the whole content folder is in place
    QList<int> picturesMade; // entries whose picture came from the source
    QList<int> textsMade;
    int fixedFiles = 0;
    int refused = 0;           // source files not used
    QStringList checkProblems; // what the content check found in the result

    bool clean() const { return made && refused == 0 && checkProblems.isEmpty(); }
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

// What one source file gives: the bytes of its content file, or the lines
// that say why it gives none.
struct MadeFile
{
    QByteArray bytes;
    QStringList problems;
};

// Makes a complete content folder from a source folder: each entry's
// picture and text from the source where it gives a usable one, from the
// bundled pack otherwise, the names list from the quiz board, and the fixed
// pictures and sounds from the bundled pack. Everything is written to a
// temporary folder beside the result, which takes its place only when all
// is written, so a failed or stopped run leaves nothing behind.
class PackBuilder
{
public:
    PackBuilder(const PackOptions &options, ProgressLine &output);

    PackSummary run();

private:
    bool checkFolders();
    bool copyBundled(const QString &root);
    bool writeNames(const QString &root);
    bool packPictures(const QString &root);
    bool packTexts(const QString &root);
    bool packFolder(const QString &root, const SourceKind &kind,
                    const std::function<MadeFile(const QString &)> &make, QList<int> *made);
    bool putInPlace(QTemporaryDir &work);
    bool writeFile(const QString &path, const QByteArray &bytes);
    bool stopped();
    void fail(const QString &line);
    void refuse(const QStringList &lines, qsizetype files);

    PackOptions m_options;
    ProgressLine &m_output;
    PackSummary m_summary;
};

#endif
