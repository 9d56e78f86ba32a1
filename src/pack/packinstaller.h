#ifndef PACKINSTALLER_H
#define PACKINSTALLER_H

#include "pack/packbuilder.h"

#include <QString>
#include <QStringList>
#include <optional>

class PackReport;
class QFileInfo;

// Where packs are installed: for one user, in $XDG_DATA_HOME/hana/packs
// with their menu entries in $XDG_DATA_HOME/applications; or for every
// account of the machine, under /usr/local/share. Packs that Debian
// packages installed are in the other data folders of the machine,
// /usr/share by default ($XDG_DATA_DIRS), each a folder of its own.
struct PackPlace
{
    QString packs;
    QString applications;
    bool system = false;
    bool packaged = false;

    static PackPlace forUser();
    static PackPlace forSystem();
    static QList<PackPlace> forPackages();

    // The link to the pack of that name, which the program is started on.
    QString folderOf(const QString &name) const;
};

// One installed pack.
struct InstalledPack
{
    QString name;
    QString folder; // the link the menu entry starts the program on
    QString entry;  // the menu entry; empty when it is missing
};

// Installs, lists and removes packs. Each pack is a link NAME to the
// folder of its newest version beside it; installing again builds a new
// version and turns the link to it in one step, and an older version is
// removed as soon as no program reads it any more.
class PackInstaller
{
public:
    PackInstaller(PackPlace place, PackReport &report);

    // Why a pack cannot have this name, or nothing.
    static std::optional<QString> nameProblem(const QString &name);

    // Builds the pack from a source and installs it with its menu entry;
    // program is the command the entry runs. The summary says how it went,
    // and is told to the report too.
    PackSummary install(const QString &name, const PackOptions &build, const QString &program);
    // Removes a pack and its menu entry; false, with the problem told, when
    // there is no such pack or it cannot be removed.
    bool remove(const QString &name);
    QList<InstalledPack> installed() const;

    QString folderOf(const QString &name) const;
    QString entryOf(const QString &name) const;

private:
    bool writeEntry(const QString &name, const QString &program);
    bool isPack(const QFileInfo &file) const;
    void removeUnusedVersions() const;

    PackPlace m_place;
    PackReport &m_report;
};

// The command that starts the program beside this one: its name where the
// search path finds that same program, else its full path.
QString programCommand(const QString &besideFolder);

#endif
