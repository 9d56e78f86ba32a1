#ifndef PACKSOURCE_H
#define PACKSOURCE_H

#include "content/contentproblem.h"
#include "content/folderlock.h"
#include "pack/entrymatcher.h"

#include <QMap>
#include <QStringList>
#include <optional>

// An entry's explanation as the editor opens it.
struct SourceText
{
    QStringList rows;
    bool own = false;     // read from the teacher's file, not the bundled pack
    bool editable = true; // false when saving could not give the file back unchanged
    bool recoded = false; // read as Shift-JIS: saving writes it again in UTF-8
    bool notRead = false; // the file could not be read at all
};

// A teacher's source folder, the editor's document, in the layout hana-pack
// reads: photographs in "pictures", UTF-8 texts in "texts", recorded names
// in "voices", each named by its entry. The folder is held for one editor at a time. Every change
// leaves the folder as hana-pack can read it, whenever the editor is stopped: a file is written
// beside its place and renamed into it, and a photograph that takes another's place hides that one
// first, so that no moment shows two files for one entry; what a killed run hid is put back on the
// next opening.
struct SourceKind;

class PackSource
{
public:
    // Opens a folder for editing, or says why not: it is missing, it is the
    // bundled pack or an installed one, or another editor has it open.
    static std::optional<PackSource> open(const QString &folder, const QString &bundled,
                                          QString *problem);
    // Why a folder cannot be opened, or nothing.
    static std::optional<QString> refusal(const QString &folder, const QString &bundled);

    const QString &folder() const { return m_folder; }
    QString name() const;
    const QString &bundled() const { return m_bundled; }

    // Reads the three folders again.
    void rescan();

    // The entry's usable photograph, or empty; the bundled picture.
    QString photo(int entry) const { return m_photos.value(entry); }
    // Whether the entry has a photograph of its own, usable or not.
    bool hasOwnPicture(int entry) const { return m_namedPictures.contains(entry); }
    QString bundledPicture(int entry) const;
    // What hana-pack refuses among the entry's files for their names or kinds.
    ContentProblems fileProblems(int entry) const { return m_entryProblems.value(entry); }
    // Files that belong to no entry.
    const ContentProblems &strayFiles() const { return m_stray; }
    // The names of the entry's files of each kind, usable or not.
    QStringList pictureFiles(int entry) const { return fileNames(m_namedPictures, entry); }
    QStringList textFiles(int entry) const { return fileNames(m_namedTexts, entry); }
    QStringList voiceFiles(int entry) const { return fileNames(m_namedVoices, entry); }
    // The entry's usable voice, or empty.
    QString voice(int entry) const { return m_voices.value(entry); }
    // The folder, its three folders and their entries' files, to be watched.
    QStringList watchedPaths() const;
    // Whether the folder or one of its three is closed to writing.
    bool isReadOnly() const;
    // The folder and those of its three folders that exist.
    QStringList folders() const;

    SourceText readText(int entry) const;
    QStringList bundledRows(int entry) const;
    // The file the entry's text is read from and saved to.
    QString textPath(int entry) const;
    bool hasOwnText(int entry) const;

    // Copies a photograph in as the entry's, in place of any other.
    std::optional<ContentProblem> setPhoto(int entry, const QString &file);
    std::optional<ContentProblem> removePhoto(int entry);
    // Saves the rows as the entry's text; rows equal to the bundled text
    // remove the teacher's file instead, which comes to the same pack.
    std::optional<ContentProblem> saveText(int entry, const QStringList &rows);
    std::optional<ContentProblem> removeText(int entry);
    // Writes a voice in the pack's form as the entry's "voices/<n>.wav", or
    // under the name given, in place of any other.
    std::optional<ContentProblem> setVoice(int entry, const QByteArray &wav,
                                           const QString &name = {});
    std::optional<ContentProblem> removeVoice(int entry);

    // A path as the teacher sees it, from the folder: "pictures/7.jpg".
    QString relative(const QString &path) const;
    // The text a list of rows is saved as: every row ended by a line end.
    static QByteArray textBytes(const QStringList &rows);

private:
    PackSource(QString folder, QString bundled, FolderLock lock);

    void restoreHidden() const;
    QMap<int, QString> scan(const SourceKind &kind, QMap<int, QStringList> *named);
    static QStringList fileNames(const QMap<int, QStringList> &named, int entry);
    std::optional<ContentProblem> replaceFiles(const QString &target, const QByteArray &bytes,
                                               const QStringList &others);
    std::optional<ContentProblem> removeFiles(const QStringList &files);

    QString m_folder;
    QString m_bundled;
    FolderLock m_lock;
    EntryMatcher m_matcher;
    QMap<int, QString> m_photos;
    QMap<int, QString> m_voices;
    // Every file of the right kind that names each entry, usable or not.
    QMap<int, QStringList> m_namedPictures;
    QMap<int, QStringList> m_namedTexts;
    QMap<int, QStringList> m_namedVoices;
    QMap<int, ContentProblems> m_entryProblems;
    ContentProblems m_stray;
};

#endif
