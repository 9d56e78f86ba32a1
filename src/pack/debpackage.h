#ifndef DEBPACKAGE_H
#define DEBPACKAGE_H

#include "pack/packbuilder.h"

#include <QDateTime>
#include <QString>
#include <optional>

class PackReport;

struct DebOptions
{
    QString name;      // the pack's name, its folder under /usr/share/hana/packs
    PackOptions build; // the source and the bundled pack; out is the package's own
    QString outFolder; // where the .deb file is put
    QString version;   // empty: from the time of making
    QDateTime time;    // the time of making, stamped on every file
    QString maintainer;
};

// Makes a Debian package, architecture all, that installs a pack for every
// account of a machine: the pack in /usr/share/hana/packs/NAME, its menu
// entry in /usr/share/applications, the copyright file and the changelog.
// It depends on hana and has no maintainer scripts: dpkg's triggers of the
// desktop (desktop-file-utils) bring the menu up to date when it is
// installed or removed. Made twice from the same source at the same time
// of making, it is the same bytes: every file has that time and root as
// its owner, and dpkg-deb writes them in a sorted order.
class DebPackage
{
public:
    DebPackage(DebOptions options, PackReport &report);

    // Makes the pack and the package and tells the summary; its out is the
    // .deb file.
    PackSummary make();

    // The time a package is made at: SOURCE_DATE_EPOCH where it is set,
    // for a reproducible build, else now.
    static QDateTime timeOfMaking();
    // The version a package made at that time gets: "20250401.093000".
    static QString versionAt(const QDateTime &time);
    // Why dpkg does not take a version, or nothing.
    static std::optional<QString> versionProblem(const QString &version);
    // The Maintainer field: DEBFULLNAME and DEBEMAIL, as Debian's tools
    // take them, else the account at this machine's name.
    static QString defaultMaintainer();

    // Where the package puts the pack, and the pack's menu entry.
    static QString packFolder(const QString &name);
    static QString entryPath(const QString &name);

private:
    QString packageFile() const;
    bool writeEntry(const QString &root);
    bool writeDocuments(const QString &root);
    bool writeControl(const QString &root);
    bool stampFiles(const QString &root);
    bool build(const QString &root, const QString &deb);
    bool write(const QString &path, const QByteArray &bytes);
    bool refuse(const QString &path, const QString &why);

    DebOptions m_options;
    QString m_package;
    PackReport &m_report;
};

#endif
