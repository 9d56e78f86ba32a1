#ifndef DATAPATH_H
#define DATAPATH_H

#include <QString>

// The data root: the folder of the running executable without a trailing
// separator. Set once at start-up, before any screen exists; every content
// path is this followed directly by a relative path beginning with "/".
extern QString DataPath;

// The data root for a folder path as the platform reports it: one trailing
// "/" removed, nothing else changed.
QString dataPathFor(const QString &reportedFolder);

#endif
