#ifndef DATAPATH_H
#define DATAPATH_H

#include <QString>

// The program's data root: the folder of the running executable without a
// trailing separator. The program sets it once at start-up, before any screen
// exists; the content functions without a root argument read under it.
extern QString DataPath;

// The data root for a folder path as the platform reports it: one trailing
// "/" removed, nothing else changed.
QString dataPathFor(const QString &reportedFolder);

#endif
