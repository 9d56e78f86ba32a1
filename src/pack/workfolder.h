#ifndef WORKFOLDER_H
#define WORKFOLDER_H

#include "content/contentproblem.h"
#include "content/folderlock.h"

#include <QString>
#include <optional>

// The folder a run builds a pack in, beside the place the pack is to take:
// ".OUT.hana-pack-XXXXXX" for OUT, so that it can be told apart from
// anything else there. The run holds it locked; when the run is killed the
// folder stays behind, unlocked, and the next run for the same place
// removes it. A folder another live run holds, or the one a pack link
// names, is never removed.
class WorkFolder
{
public:
    // Makes and locks a work folder for target; empty with *problem set
    // when it cannot be made.
    static std::optional<WorkFolder> make(const QString &target, ContentProblem *problem);

    // Removes what earlier runs for target left behind.
    static void removeLeftovers(const QString &target);

    WorkFolder(WorkFolder &&other) noexcept;
    WorkFolder &operator=(WorkFolder &&) = delete;
    // Removes the folder unless it was kept.
    ~WorkFolder();

    const QString &path() const { return m_path; }
    // The folder's name, as a pack link names it.
    QString name() const;
    // The folder now is the pack, or a version of it: it stays.
    void keep() { m_keep = true; }

private:
    WorkFolder(QString path, FolderLock lock) : m_path(std::move(path)), m_lock(std::move(lock)) {}

    QString m_path;
    FolderLock m_lock;
    bool m_keep = false;
};

#endif
